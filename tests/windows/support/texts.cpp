#include "tests/windows/support/texts.h"

#include <QFontMetricsF>
#include <QImage>

namespace pelloric::test {

QString MenuText(const QAction* entry) {
    const QString text = entry->text();
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size()) ++i;
        shown += text.at(i);
    }
    return shown;
}

QRect InkRect(QWidget* w) {
    QImage image(w->size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    // Without the window background: only what the widget draws itself.
    w->render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) ink |= QRect(x, y, 1, 1);
    return ink.translated(w->pos());
}

QString WhyNotOneLine(const QLabel* label) {
    const QFontMetricsF metrics(label->font());
    const QRectF box = label->contentsRect();
    const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
    const QRectF laid = metrics.boundingRect(box, flags, label->text());
    const QString what = QStringLiteral("%1 \"%2\"").arg(label->objectName(), label->text());
    if (laid.height() > metrics.height())
        return QStringLiteral("%1 takes %2 lines").arg(what).arg(qRound(laid.height() / metrics.lineSpacing()));
    if (metrics.horizontalAdvance(label->text()) > box.width())
        return QStringLiteral("%1 is %2 px wide in a box of %3")
            .arg(what)
            .arg(metrics.horizontalAdvance(label->text()))
            .arg(box.width());
    if (metrics.height() > box.height())
        return QStringLiteral("%1 is %2 px high in a box of %3").arg(what).arg(metrics.height()).arg(box.height());
    return {};
}

}  // namespace pelloric::test

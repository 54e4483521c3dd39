#pragma once
// Whether the texts of a window fit: a label's text drawn whole inside the label (nothing cut off)
// and touching no other shown label's text, and a self-sizing label's text touching no shown cell
// or holder either. Measured from the glyphs as the label lays them out (word wrap, alignment,
// a soft hyphen drawn as a hyphen at a break), in the label's own font at the zoom it is drawn at.
#include "platform/label.h"
#include "platform/picturebox.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QTextLayout>
#include <QWidget>

namespace fitcheck {

// The rectangle the glyphs of a label's text cover, in the label's coordinates.
inline QRectF InkRect(const QLabel& label)
{
    QString text = label.text();
    text.replace(QLatin1Char('\n'), QChar::LineSeparator); // as a label breaks its lines
    const QFont font = label.font();
    const QFontMetricsF metrics(font);
    const qreal width = label.contentsRect().width();
    QTextLayout layout(text, font);
    QTextOption option(label.alignment() & Qt::AlignHorizontal_Mask);
    option.setWrapMode(label.wordWrap() ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    QRectF ink;
    qreal y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        QString words = text.mid(line.textStart(), line.textLength());
        if (words.endsWith(QChar(0x00AD)))
            words.back() = QLatin1Char('-'); // a break at a soft hyphen shows a hyphen
        words.remove(QChar(0x00AD));
        const QString shown = words.trimmed();
        if (shown.isEmpty()) {
            y += metrics.height();
            continue;
        }
        const qreal advance = metrics.horizontalAdvance(shown);
        qreal x = 0;
        if (label.alignment() & Qt::AlignHCenter)
            x = (width - advance) / 2;
        else if (label.alignment() & Qt::AlignRight)
            x = width - advance;
        const QRectF glyphs = metrics.tightBoundingRect(shown).translated(x, y + metrics.ascent());
        ink = ink.isNull() ? glyphs : ink.united(glyphs);
        y += metrics.height();
    }
    layout.endLayout();
    return ink.translated(label.contentsRect().topLeft());
}

// Whether a label of a dialog or of the splash shows its text whole: a message, or empty.
inline QString CutOff(const QLabel& label)
{
    const QRectF ink = InkRect(label);
    if (label.text().isEmpty() || QRectF(label.rect()).adjusted(-1.25, -1.25, 1.25, 1.25).contains(ink))
        return {};
    return QStringLiteral("\"%1\" is cut off: its glyphs cover %2,%3 %4x%5 of its %6x%7")
        .arg(label.text()).arg(ink.x()).arg(ink.y()).arg(ink.width()).arg(ink.height()).arg(label.width()).arg(label.height());
}

// What does not fit on a surface whose layout ends at `rightEdge` (logical pixels), one line for
// each text: empty when everything fits.
inline QStringList Misfits(const QWidget& surface, qreal rightEdge)
{
    struct Shown {
        const platform::Label* label;
        QRectF ink; // in the surface's coordinates
    };
    QList<Shown> shown;
    for (const platform::Label* label : surface.findChildren<const platform::Label*>(Qt::FindDirectChildrenOnly))
        if (!label->isHidden() && !label->text().isEmpty())
            shown.append({label, InkRect(*label).translated(label->pos())});
    QStringList misfits;
    const auto name = [](const QLabel* label) { return QStringLiteral("\"%1\"").arg(label->text()); };
    // Half a pixel for anti-aliasing at the glyphs' edges where two texts meet; a pixel and a
    // quarter at the label's edge, which an accent or a glyph's overhang may just touch.
    const auto meets = [](const QRectF& a, const QRectF& b) { return a.adjusted(0.5, 0.5, -0.5, -0.5).intersects(b); };
    for (const Shown& s : shown) {
        const QRectF box = QRectF(s.label->geometry());
        if (!box.adjusted(-1.25, -1.25, 1.25, 1.25).contains(s.ink))
            misfits << QStringLiteral("%1 is cut off: its glyphs cover %2,%3 %4x%5 of its %6,%7 %8x%9")
                           .arg(name(s.label))
                           .arg(s.ink.x()).arg(s.ink.y()).arg(s.ink.width()).arg(s.ink.height())
                           .arg(box.x()).arg(box.y()).arg(box.width()).arg(box.height());
        for (const Shown& other : shown)
            if (other.label < s.label && meets(s.ink, other.ink))
                misfits << QStringLiteral("%1 runs into %2").arg(name(s.label), name(other.label));
        if (s.label->wordWrap()) // a fixed label lies beneath the cells by design
            continue;
        for (const platform::PictureBox* box : surface.findChildren<const platform::PictureBox*>(Qt::FindDirectChildrenOnly))
            if (!box->isHidden() && meets(s.ink, QRectF(box->geometry())))
                misfits << QStringLiteral("%1 runs into the frame at %2,%3").arg(name(s.label)).arg(box->x()).arg(box->y());
        if (s.ink.right() > rightEdge)
            misfits << QStringLiteral("%1 runs past the window's edge").arg(name(s.label));
    }
    return misfits;
}

} // namespace fitcheck

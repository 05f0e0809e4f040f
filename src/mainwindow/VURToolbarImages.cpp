#include "VURToolbarImages.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>
#include <map>

namespace {

// Colours of a picture; every one turns grey for a disabled button.
struct Palette
{
    bool disabled = false;
    QColor operator()(const QColor &color) const
    {
        if (!disabled)
            return color;
        const int grey = qGray(color.rgb());
        return QColor(160 + grey / 4, 160 + grey / 4, 160 + grey / 4);
    }
};

using Drawing = std::function<void(QPainter &, const Palette &)>;

const QColor kInk(60, 60, 60);
const QColor kPaper(255, 255, 255);
const QColor kBlue(40, 100, 190);
const QColor kGreen(40, 150, 60);
const QColor kRed(200, 40, 40);
const QColor kIssue(150, 20, 20);
const QColor kFolder(230, 180, 60);
const QColor kSelection(150, 190, 240);

QPen Line(const QColor &color, qreal width = 1.2)
{
    QPen pen(color, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void Page(QPainter &p, const Palette &c, const QRectF &r)
{
    QPainterPath page;
    page.moveTo(r.left(), r.top());
    page.lineTo(r.right() - 3, r.top());
    page.lineTo(r.right(), r.top() + 3);
    page.lineTo(r.right(), r.bottom());
    page.lineTo(r.left(), r.bottom());
    page.closeSubpath();
    p.setPen(Line(c(kInk), 1));
    p.setBrush(c(kPaper));
    p.drawPath(page);
    p.drawLine(QPointF(r.right() - 3, r.top()), QPointF(r.right() - 3, r.top() + 3));
    p.drawLine(QPointF(r.right() - 3, r.top() + 3), QPointF(r.right(), r.top() + 3));
}

void TextLines(QPainter &p, const Palette &c, qreal left, qreal top, qreal width, int count)
{
    p.setPen(Line(c(kInk), 1));
    for (int i = 0; i < count; ++i)
        p.drawLine(QPointF(left, top + i * 2.5), QPointF(left + width - (i % 2) * 2, top + i * 2.5));
}

void Magnifier(QPainter &p, const Palette &c, qreal x, qreal y, qreal radius)
{
    p.setPen(Line(c(kInk), 1.6));
    p.setBrush(c(QColor(220, 235, 250)));
    p.drawEllipse(QPointF(x, y), radius, radius);
    p.setPen(Line(c(kInk), 2.4));
    p.drawLine(QPointF(x + radius * 0.7, y + radius * 0.7), QPointF(x + radius * 1.9, y + radius * 1.9));
}

void Triangle(QPainter &p, const QColor &color, const QPointF &tip, qreal half, qreal length, bool down)
{
    const qreal base = down ? tip.y() - length : tip.y() + length;
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(QPolygonF({tip, QPointF(tip.x() - half, base), QPointF(tip.x() + half, base)}));
}

void CurvedArrow(QPainter &p, const Palette &c, bool right)
{
    p.save();
    if (right) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    QPainterPath arc;
    arc.moveTo(4, 7);
    arc.cubicTo(7, 3, 14, 4, 13, 10);
    arc.cubicTo(12.5, 12.5, 10, 13.5, 8, 13.5);
    p.setPen(Line(c(kBlue), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    p.setPen(Qt::NoPen);
    p.setBrush(c(kBlue));
    p.drawPolygon(QPolygonF({QPointF(1.5, 3.5), QPointF(7.5, 5.5), QPointF(3, 10)}));
    p.restore();
}

void IndentArrow(QPainter &p, const Palette &c, bool more)
{
    p.setPen(Line(c(kInk), 1.2));
    p.drawLine(QPointF(2, 2.5), QPointF(14, 2.5));
    for (qreal y : {6.5, 9.5})
        p.drawLine(QPointF(8.5, y), QPointF(14, y));
    p.drawLine(QPointF(2, 13.5), QPointF(14, 13.5));
    p.setPen(Qt::NoPen);
    p.setBrush(c(kBlue));
    if (more)
        p.drawPolygon(QPolygonF({QPointF(7, 8), QPointF(2.5, 5), QPointF(2.5, 11)}));
    else
        p.drawPolygon(QPolygonF({QPointF(2.5, 8), QPointF(7, 5), QPointF(7, 11)}));
}

void SelectionMode(QPainter &p, const Palette &c, int mode)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c(kSelection));
    switch (mode) {
    case 0: // from the middle of one line to the middle of another
        p.drawRect(QRectF(7, 3.5, 8, 3));
        p.drawRect(QRectF(1, 6.5, 14, 3));
        p.drawRect(QRectF(1, 9.5, 7, 3));
        break;
    case 1: // a column block
        p.drawRect(QRectF(5, 2, 6, 12));
        break;
    default: // whole lines
        p.drawRect(QRectF(1, 5, 14, 6));
        break;
    }
    p.setPen(Line(c(kInk), 1));
    for (qreal y : {2.5, 5.0, 8.0, 11.0, 13.5})
        p.drawLine(QPointF(2, y), QPointF(14, y));
}

void IssueArrow(QPainter &p, const Palette &c, bool down, bool toEnd)
{
    const QColor color = c(kIssue);
    if (down) {
        Triangle(p, color, QPointF(8, toEnd ? 11.5 : 13), 5, 8, true);
        if (toEnd) {
            p.setPen(Line(color, 2));
            p.drawLine(QPointF(3, 14), QPointF(13, 14));
        }
    } else {
        Triangle(p, color, QPointF(8, toEnd ? 4.5 : 3), 5, 8, false);
        if (toEnd) {
            p.setPen(Line(color, 2));
            p.drawLine(QPointF(3, 2), QPointF(13, 2));
        }
    }
}

void Colons(QPainter &p, const QColor &color)
{
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    for (qreal x : {4.0, 9.0}) {
        p.drawEllipse(QPointF(x, 5.5), 1.5, 1.5);
        p.drawEllipse(QPointF(x, 11), 1.5, 1.5);
    }
}

void CheckMark(QPainter &p, const QColor &color, qreal width)
{
    p.setPen(Line(color, width));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6, 12.5), QPointF(13.5, 3.5)}));
}

const std::map<QString, Drawing> &Drawings()
{
    static const std::map<QString, Drawing> drawings = {
        {QStringLiteral("FileNew"),
         [](QPainter &p, const Palette &c) {
             Page(p, c, QRectF(2.5, 1.5, 10, 13));
             p.setPen(Line(c(kGreen), 2));
             p.drawLine(QPointF(12, 9), QPointF(12, 15));
             p.drawLine(QPointF(9, 12), QPointF(15, 12));
         }},
        {QStringLiteral("FileOpen"),
         [](QPainter &p, const Palette &c) {
             p.setPen(Line(c(kInk), 1));
             p.setBrush(c(kFolder.darker(115)));
             p.drawPolygon(QPolygonF({QPointF(1.5, 3.5), QPointF(6, 3.5), QPointF(7.5, 5), QPointF(13.5, 5),
                                      QPointF(13.5, 13.5), QPointF(1.5, 13.5)}));
             p.setBrush(c(kFolder));
             p.drawPolygon(QPolygonF({QPointF(3.5, 7.5), QPointF(15.5, 7.5), QPointF(13.5, 13.5), QPointF(1.5, 13.5)}));
         }},
        {QStringLiteral("FileSave"),
         [](QPainter &p, const Palette &c) {
             p.setPen(Line(c(kInk), 1));
             p.setBrush(c(kBlue));
             p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 1.5, 1.5);
             p.setBrush(c(kPaper));
             p.drawRect(QRectF(4, 1.5, 8, 5));
             p.setBrush(c(QColor(200, 200, 200)));
             p.drawRect(QRectF(4, 9.5, 8, 5));
         }},
        {QStringLiteral("FilePrintPreview"),
         [](QPainter &p, const Palette &c) {
             Page(p, c, QRectF(1.5, 1.5, 10, 13));
             Magnifier(p, c, 9, 9, 3);
         }},
        {QStringLiteral("FilePrint"),
         [](QPainter &p, const Palette &c) {
             p.setPen(Line(c(kInk), 1));
             p.setBrush(c(kPaper));
             p.drawRect(QRectF(4, 1.5, 8, 5));
             p.setBrush(c(QColor(170, 170, 170)));
             p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
             p.setBrush(c(kPaper));
             p.drawRect(QRectF(4, 10.5, 8, 4));
         }},
        {QStringLiteral("EditUndo"), [](QPainter &p, const Palette &c) { CurvedArrow(p, c, false); }},
        {QStringLiteral("EditRedo"), [](QPainter &p, const Palette &c) { CurvedArrow(p, c, true); }},
        {QStringLiteral("EditCut"),
         [](QPainter &p, const Palette &c) {
             p.setPen(Line(c(kInk), 1.4));
             p.drawLine(QPointF(5, 10), QPointF(11, 1.5));
             p.drawLine(QPointF(11, 10), QPointF(5, 1.5));
             p.setPen(Line(c(kRed), 1.6));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(4.5, 12), 2.5, 2.5);
             p.drawEllipse(QPointF(11.5, 12), 2.5, 2.5);
         }},
        {QStringLiteral("EditCopy"),
         [](QPainter &p, const Palette &c) {
             Page(p, c, QRectF(1.5, 1.5, 8.5, 10));
             Page(p, c, QRectF(6, 5, 8.5, 10));
             TextLines(p, c, 8, 9, 4.5, 3);
         }},
        {QStringLiteral("EditPaste"),
         [](QPainter &p, const Palette &c) {
             p.setPen(Line(c(kInk), 1));
             p.setBrush(c(QColor(190, 140, 80)));
             p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1, 1);
             p.setBrush(c(QColor(120, 120, 120)));
             p.drawRect(QRectF(4, 1.5, 5, 2.5));
             Page(p, c, QRectF(6.5, 6, 8, 9));
         }},
        {QStringLiteral("EditBlockIndent"), [](QPainter &p, const Palette &c) { IndentArrow(p, c, true); }},
        {QStringLiteral("EditBlockUnindent"), [](QPainter &p, const Palette &c) { IndentArrow(p, c, false); }},
        {QStringLiteral("EditSelectNormal"), [](QPainter &p, const Palette &c) { SelectionMode(p, c, 0); }},
        {QStringLiteral("EditSelectColumn"), [](QPainter &p, const Palette &c) { SelectionMode(p, c, 1); }},
        {QStringLiteral("EditSelectLine"), [](QPainter &p, const Palette &c) { SelectionMode(p, c, 2); }},
        {QStringLiteral("EditFind"), [](QPainter &p, const Palette &c) { Magnifier(p, c, 6.5, 6.5, 4.5); }},
        {QStringLiteral("EditReplace"),
         [](QPainter &p, const Palette &c) {
             Magnifier(p, c, 5.5, 5.5, 3.8);
             p.setPen(Line(c(kBlue), 1.6));
             p.drawLine(QPointF(9, 13.5), QPointF(15, 13.5));
             p.setPen(Qt::NoPen);
             p.setBrush(c(kBlue));
             p.drawPolygon(QPolygonF({QPointF(15.5, 13.5), QPointF(12.5, 11), QPointF(12.5, 16)}));
         }},
        {QStringLiteral("EditFindNext"),
         [](QPainter &p, const Palette &c) {
             Magnifier(p, c, 5.5, 5.5, 3.8);
             p.setPen(Qt::NoPen);
             p.setBrush(c(kGreen));
             p.drawPolygon(QPolygonF({QPointF(15.5, 11.5), QPointF(10.5, 8), QPointF(10.5, 15)}));
         }},
        {QStringLiteral("EditIncrementalSearch"),
         [](QPainter &p, const Palette &c) {
             Magnifier(p, c, 5.5, 5.5, 3.8);
             p.setPen(Line(c(kInk), 1.2));
             p.drawLine(QPointF(14, 8), QPointF(14, 15));
             p.setPen(Line(c(kBlue), 1.6));
             for (qreal x : {9.5, 11.5})
                 p.drawLine(QPointF(x, 12), QPointF(x, 15));
         }},
        {QStringLiteral("MacroRecord"),
         [](QPainter &p, const Palette &c) {
             p.setPen(Line(c(kRed.darker(130)), 1));
             p.setBrush(c(kRed));
             p.drawEllipse(QPointF(8, 8), 5.5, 5.5);
         }},
        {QStringLiteral("MacroPause"),
         [](QPainter &p, const Palette &c) {
             p.setPen(Qt::NoPen);
             p.setBrush(c(kBlue));
             p.drawRect(QRectF(3.5, 2.5, 3.5, 11));
             p.drawRect(QRectF(9, 2.5, 3.5, 11));
         }},
        {QStringLiteral("MacroPlayback"),
         [](QPainter &p, const Palette &c) {
             p.setPen(Qt::NoPen);
             p.setBrush(c(kGreen));
             p.drawPolygon(QPolygonF({QPointF(4, 2), QPointF(14, 8), QPointF(4, 14)}));
         }},
        {QStringLiteral("ProcessMsgFirst"), [](QPainter &p, const Palette &c) { IssueArrow(p, c, false, true); }},
        {QStringLiteral("ProcessMsgPrev"), [](QPainter &p, const Palette &c) { IssueArrow(p, c, false, false); }},
        {QStringLiteral("ProcessMsgNext"), [](QPainter &p, const Palette &c) { IssueArrow(p, c, true, false); }},
        {QStringLiteral("ProcessMsgLast"), [](QPainter &p, const Palette &c) { IssueArrow(p, c, true, true); }},
        {QStringLiteral("Mizar"), [](QPainter &p, const Palette &c) { CheckMark(p, c(kGreen), 2.6); }},
        {QStringLiteral("Detectors"),
         [](QPainter &p, const Palette &c) {
             CheckMark(p, c(kGreen), 2);
             Magnifier(p, c, 10, 10, 3);
         }},
        {QStringLiteral("Comment"), [](QPainter &p, const Palette &c) { Colons(p, c(kInk)); }},
        // The program: an article's "::" and a verified tick on a blue tile.
        {QStringLiteral("Application"),
         [](QPainter &p, const Palette &c) {
             p.setPen(Qt::NoPen);
             p.setBrush(c(QColor(31, 78, 140)));
             p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
             p.setBrush(c(kPaper));
             for (qreal y : {5.0, 10.5})
                 p.drawEllipse(QPointF(3.8, y), 1.3, 1.3);
             p.setPen(Line(c(QColor(130, 225, 130)), 2.2));
             p.setBrush(Qt::NoBrush);
             p.drawPolyline(QPolygonF({QPointF(6.5, 8.5), QPointF(9, 11.5), QPointF(13.2, 4.2)}));
         }},
        {QStringLiteral("Uncomment"),
         [](QPainter &p, const Palette &c) {
             Colons(p, c(QColor(150, 150, 150)));
             p.setPen(Line(c(kRed), 1.6));
             p.drawLine(QPointF(2, 14), QPointF(14, 2));
         }},
    };
    return drawings;
}

const std::map<QString, const char *> &ThemeNames()
{
    static const std::map<QString, const char *> names = {
        {QStringLiteral("FileNew"), "document-new"},
        {QStringLiteral("FileOpen"), "document-open"},
        {QStringLiteral("FileSave"), "document-save"},
        {QStringLiteral("FilePrintPreview"), "document-print-preview"},
        {QStringLiteral("FilePrint"), "document-print"},
        {QStringLiteral("EditUndo"), "edit-undo"},
        {QStringLiteral("EditRedo"), "edit-redo"},
        {QStringLiteral("EditCut"), "edit-cut"},
        {QStringLiteral("EditCopy"), "edit-copy"},
        {QStringLiteral("EditPaste"), "edit-paste"},
        {QStringLiteral("EditBlockIndent"), "format-indent-more"},
        {QStringLiteral("EditBlockUnindent"), "format-indent-less"},
        {QStringLiteral("EditFind"), "edit-find"},
        {QStringLiteral("EditReplace"), "edit-find-replace"},
        {QStringLiteral("MacroRecord"), "media-record"},
        {QStringLiteral("MacroPause"), "media-playback-pause"},
        {QStringLiteral("MacroPlayback"), "media-playback-start"},
    };
    return names;
}

// Draws the picture at whatever size and scale the button asks for.
class DrawnIconEngine : public QIconEngine
{
public:
    explicit DrawnIconEngine(Drawing drawing) : m_drawing(std::move(drawing)) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const qreal side = std::min(rect.width(), rect.height());
        painter->translate(rect.x() + (rect.width() - side) / 2.0, rect.y() + (rect.height() - side) / 2.0);
        painter->scale(side / 16.0, side / 16.0);
        Palette palette;
        palette.disabled = mode == QIcon::Disabled;
        m_drawing(*painter, palette);
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // The size asked for is in device pixels already; the icon sets the
    // scale on the result.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine *clone() const override { return new DrawnIconEngine(m_drawing); }

private:
    Drawing m_drawing;
};

} // namespace

namespace VURToolbarImages {

QIcon DrawnIcon(const QString &command)
{
    const auto it = Drawings().find(command);
    return it == Drawings().end() ? QIcon() : QIcon(new DrawnIconEngine(it->second));
}

QIcon ToolbarIcon(const QString &command)
{
    const auto theme = ThemeNames().find(command);
    if (theme != ThemeNames().end() && QIcon::hasThemeIcon(QString::fromLatin1(theme->second)))
        return QIcon::fromTheme(QString::fromLatin1(theme->second));
    return DrawnIcon(command);
}

QStringList DrawnCommands()
{
    QStringList commands;
    for (const auto &entry : Drawings())
        commands.append(entry.first);
    return commands;
}

} // namespace VURToolbarImages

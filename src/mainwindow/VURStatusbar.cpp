#include "VURStatusbar.h"

#include <QElapsedTimer>
#include <QEvent>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QRegularExpression>

#include <cmath>

namespace {

constexpr int kLogoOffset = 4;

QPixmap ProductPicture(qreal ratio)
{
    QPixmap pixmap(QSize(42, 14) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1f, 0x4e, 0x79));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 41, 13), 3, 3);
    QFont font = painter.font();
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 0, 42, 14), Qt::AlignCenter, QStringLiteral("Q::MIZ"));
    return pixmap;
}

QFrame *MakePanel(const char *name, QWidget *parent, int lineWidth, QFrame::Shadow shadow)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setFrameShape(lineWidth > 0 ? QFrame::Panel : QFrame::NoFrame);
    panel->setFrameShadow(shadow);
    panel->setLineWidth(lineWidth);
    return panel;
}

QLabel *MakeLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

} // namespace

TVURStatusbarPane::TVURStatusbarPane(QWidget *parent)
    : TVURPaneForm(parent)
    , m_mainPanel(MakePanel("MainPanel", this, 1, QFrame::Raised))
    , m_progressPanel(MakePanel("ProgressPanel", m_mainPanel, 1, QFrame::Sunken))
    , m_progressLabel(MakeLabel("ProgressLabel", m_progressPanel))
    , m_progressBar(new QProgressBar(m_progressPanel))
    , m_statusPanel(MakePanel("StatusPanel", m_mainPanel, 2, QFrame::Sunken))
    , m_statusLabel(MakeLabel("StatusLabel", m_statusPanel))
    , m_logoPanel(MakePanel("LogoPanel", m_mainPanel, 0, QFrame::Plain))
    , m_logoImage(new QLabel(m_logoPanel))
{
    setObjectName(QStringLiteral("StatusbarPane"));
    setMinimumWidth(200);
    m_progressBar->setObjectName(QStringLiteral("ProgressBar"));
    m_progressBar->hide();
    m_statusLabel->setAutoFillBackground(false);
    m_logoImage->setObjectName(QStringLiteral("LogoImage"));
    m_logoImage->setPixmap(ProductPicture(devicePixelRatioF()));
    m_logoImage->resize(42, 14);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

QSize TVURStatusbarPane::sizeHint() const
{
    // The font's height plus 11 pixels, and never less than a line of text.
    const int fontHeight = QFontInfo(font()).pixelSize();
    const int height = qMax(fontHeight + 11, fontMetrics().height() + 10);
    return QSize(400, height);
}

QSize TVURStatusbarPane::minimumSizeHint() const
{
    return QSize(200, sizeHint().height());
}

quint32 TVURStatusbarPane::Ticks() const
{
    if (m_ticks)
        return m_ticks();
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    const quint32 ticks = quint32(clock.elapsed()) + 1;
    return ticks == 0 ? 1 : ticks;
}

QString TVURStatusbarPane::NormalizeMessage(const QString &text)
{
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    static const QRegularExpression blanks(QStringLiteral(" {2,}"));
    result.replace(blanks, QStringLiteral(" "));
    return result;
}

void TVURStatusbarPane::SetInfoText(const QString &text)
{
    if (text == m_infoText)
        return;
    m_infoText = text;
    FitText(m_progressLabel, m_progressPanel, m_infoText);
    m_progressLabel->repaint();
}

void TVURStatusbarPane::SetStatusText(const QString &text)
{
    const QString normalized = NormalizeMessage(text);
    if (normalized == m_messageText)
        return;
    m_messageText = normalized;
    FitText(m_statusLabel, m_statusPanel, m_messageText);
    m_statusLabel->repaint();
}

void TVURStatusbarPane::ShowMessage(const QString &text, VURColors::TVURColor color, bool hold, bool lowPriority)
{
    if (hold || !lowPriority) {
        m_holdTime = hold ? Ticks() : 0;
    } else {
        if (m_holdTime != 0 && quint32(Ticks() - m_holdTime) <= kHoldMs)
            return;
        m_holdTime = 0;
    }
    const QColor shown = VURColors::ToQColor(color, palette());
    QPalette labelPalette = m_statusLabel->palette();
    labelPalette.setColor(QPalette::WindowText, shown.isValid() ? shown : palette().color(QPalette::WindowText));
    if (labelPalette != m_statusLabel->palette())
        m_statusLabel->setPalette(labelPalette);
    SetStatusText(text);
}

void TVURStatusbarPane::FitText(QLabel *label, QFrame *panel, const QString &text)
{
    const int available = panel->width() - 2 * panel->frameWidth() - 2;
    const QFontMetrics metrics(label->font());
    if (metrics.horizontalAdvance(text) < available) {
        label->setToolTip(QString());
        label->setText(text);
        return;
    }
    label->setToolTip(text);
    qsizetype n = text.size();
    QString shown = text;
    while (metrics.horizontalAdvance(shown) >= available && n > 1) {
        --n;
        shown = text.left(n) + QStringLiteral("...");
    }
    label->setText(shown);
}

void TVURStatusbarPane::LayoutPanels()
{
    m_mainPanel->setGeometry(rect());
    const QRect client = m_mainPanel->contentsRect();
    const int logoWidth = m_logoImage->width() + 2 * kLogoOffset;
    // A quarter of the width, an exact half going to the even neighbour.
    const int leftWidth = int(std::nearbyint(double(client.width()) * 0.25));
    m_progressPanel->setGeometry(client.x(), client.y(), leftWidth, client.height());
    m_logoPanel->setGeometry(client.right() + 1 - logoWidth, client.y(), logoWidth, client.height());
    m_statusPanel->setGeometry(client.x() + leftWidth, client.y(),
                               qMax(0, client.width() - leftWidth - logoWidth), client.height());
    m_logoImage->move(kLogoOffset, (client.height() - m_logoImage->height()) / 2);
    for (auto [label, panel] : {std::pair{m_progressLabel, m_progressPanel}, std::pair{m_statusLabel, m_statusPanel}}) {
        const int border = panel->frameWidth();
        label->setGeometry(border + 1, border, qMax(0, panel->width() - 2 * border - 2), panel->height() - 2 * border);
    }
    m_progressBar->setGeometry(m_progressLabel->geometry());
    FitText(m_progressLabel, m_progressPanel, m_infoText);
    FitText(m_statusLabel, m_statusPanel, m_messageText);
}

void TVURStatusbarPane::resizeEvent(QResizeEvent *event)
{
    TVURPaneForm::resizeEvent(event);
    LayoutPanels();
}

void TVURStatusbarPane::showEvent(QShowEvent *event)
{
    TVURPaneForm::showEvent(event);
    setFixedHeight(sizeHint().height());
    LayoutPanels();
}

void TVURStatusbarPane::changeEvent(QEvent *event)
{
    TVURPaneForm::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        LayoutPanels();
}

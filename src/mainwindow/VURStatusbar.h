#pragma once

#include "VURColors.h"
#include "VURPane.h"

#include <functional>

class QFrame;
class QLabel;
class QProgressBar;

// The status bar: the information text on the left (a quarter of the
// width), messages in the middle, the product picture on the right. Texts
// that do not fit are cut with "..." and shown whole as a tooltip.
class TVURStatusbarPane : public TVURPaneForm
{
    Q_OBJECT

public:
    // A held message stays this long against low-priority texts.
    static constexpr quint32 kHoldMs = 5000;

    explicit TVURStatusbarPane(QWidget *parent = nullptr);

    void SetInfoText(const QString &text);
    void SetStatusText(const QString &text);
    void ShowMessage(const QString &text, VURColors::TVURColor color, bool hold, bool lowPriority);

    QString InfoText() const { return m_infoText; }
    QString MessageText() const { return m_messageText; }
    QLabel *ProgressLabel() const { return m_progressLabel; }
    QLabel *StatusLabel() const { return m_statusLabel; }
    QFrame *ProgressPanel() const { return m_progressPanel; }
    QFrame *StatusPanel() const { return m_statusPanel; }
    QFrame *LogoPanel() const { return m_logoPanel; }

    // Line breaks become blanks, runs of blanks one blank.
    static QString NormalizeMessage(const QString &text);
    // The milliseconds clock of the hold rule; tests replace it.
    void SetTickSource(const std::function<quint32()> &ticks) { m_ticks = ticks; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void LayoutPanels();
    void FitText(QLabel *label, QFrame *panel, const QString &text);
    quint32 Ticks() const;

    QFrame *m_mainPanel;
    QFrame *m_progressPanel;
    QLabel *m_progressLabel;
    QProgressBar *m_progressBar;
    QFrame *m_statusPanel;
    QLabel *m_statusLabel;
    QFrame *m_logoPanel;
    QLabel *m_logoImage;
    QString m_infoText;
    QString m_messageText;
    quint32 m_holdTime = 0;
    std::function<quint32()> m_ticks;
};

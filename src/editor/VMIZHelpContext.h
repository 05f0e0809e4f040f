#pragma once

#include "VURDialog.h"

class QLabel;
class QListWidget;

// The topics of a reserved word that has pages in several places: the user
// picks one.
class TVMIZHelpContextDialog : public TVURDialogForm
{
    Q_OBJECT

public:
    TVMIZHelpContextDialog(QWidget *owner, const QString &word);

    void TranslateTexts() override;
    void AcceptActionExecute() override;
    void AcceptActionUpdate();
    void TopicsListBoxDblClick();

    void AddTopic(const QString &topic);
    // Empty until the user accepted a topic.
    QString ChosenTopic() const { return m_chosenTopic; }

    QLabel *TopicsLabel() const { return m_topicsLabel; }
    QListWidget *TopicsListBox() const { return m_topicsListBox; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QString m_word;
    QString m_chosenTopic;
    QLabel *m_topicsLabel;
    QListWidget *m_topicsListBox;
};

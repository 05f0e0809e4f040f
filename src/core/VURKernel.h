#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <exception>

// The framework's exception: a bilingual template with "%s" arguments. The
// message is built once, in the language current at construction.
class EVURException : public std::exception
{
public:
    explicit EVURException(const QString &messageTemplate);
    EVURException(const QString &messageTemplate, const QStringList &arguments);

    const char *what() const noexcept override { return m_utf8.constData(); }

    QString Message() const { return m_message; }
    QString MessageTemplate() const { return m_template; }
    QStringList Arguments() const { return m_arguments; }

    virtual QString BuildMessage() const;

protected:
    // For subclasses that build their message differently: call after the
    // subclass's own fields are set, since BuildMessage is virtual.
    void SetMessage(const QString &message);

private:
    QString m_template;
    QStringList m_arguments;
    QString m_message;
    QByteArray m_utf8;
};

// The argument rule of EVURException on an already translated text: the last
// "%s" gets the last argument, the one before it the one before, and so on;
// surplus "%s" on the left all get the first argument.
QString FormatArgumentsFromRight(const QString &text, const QStringList &arguments);

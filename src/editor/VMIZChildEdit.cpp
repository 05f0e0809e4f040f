#include "VMIZChildEdit.h"

#include "VMIZDetectors.h"
#include "VMIZHelpContext.h"
#include "VMIZHighlighter.h"
#include "VMIZFiles.h"
#include "VMIZPrograms.h"
#include "VMIZRun.h"
#include "VURAppGUI.h"
#include "VURColors.h"
#include "VURFiles.h"
#include "VURKernel.h"
#include "VURLang.h"
#include "VURMessageBoxes.h"
#include "VURShell.h"
#include "VURStatus.h"
#include "VURSynEdit.h"
#include "VURTextFile.h"
#include "ZOKHighlighter.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QMouseEvent>
#include <QUrl>
#include <QFile>
#include <QFileInfo>

namespace {

QStringList EnvironmentChain(const QString &environment, const QString &program)
{
    return {VMIZPrograms::RemFlags(), environment, program};
}

QStringList VerifierChain(const QString &program)
{
    return EnvironmentChain(VMIZPrograms::MakeEnv(), program);
}

QStringList AccomChain(const QString &program)
{
    return EnvironmentChain(VMIZPrograms::Accom(), program);
}

// The lines of a text; a line ends at CR LF, LF or CR, and a break at the
// very end starts no further line.
QStringList SplitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype length = text.size();
    for (qsizetype i = 0; i < length; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < length && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < length)
        lines.append(text.mid(start));
    return lines;
}

// A program run hidden after the chain: from where the lookup found it, or
// from the installation directory, where a failed start goes unreported.
QString HiddenProgramPath(const QString &mizarDir, const QString &name)
{
    const VMIZFiles::TVMIZProgramLookup lookup = VMIZFiles::FindMizarProgram(name);
    return lookup.found ? lookup.path : mizarDir + name;
}

} // namespace

TVMIZKeywordTopics ReadKeywordTopics(const QByteArray &xml, const QString &word)
{
    TVMIZKeywordTopics found;
    // The reader resolves no external entity and fetches nothing; a file
    // it cannot parse ends the lookup quietly.
    QDomDocument document;
    if (!document.setContent(xml))
        return found;
    found.parsed = true;
    const QDomElement root = document.documentElement();
    found.base = root.firstChildElement(QStringLiteral("base")).attribute(QStringLiteral("addr"));
    for (QDomElement entry = root.firstChildElement(QStringLiteral("reserved-word")); !entry.isNull();
         entry = entry.nextSiblingElement(QStringLiteral("reserved-word"))) {
        if (entry.attribute(QStringLiteral("spelling")) != word)
            continue;
        QStringList topics;
        for (QDomElement topic = entry.firstChildElement(); !topic.isNull(); topic = topic.nextSiblingElement())
            topics.append(topic.attribute(QStringLiteral("addr")));
        found.entries.append(topics);
    }
    return found;
}

const QList<TVMIZChainCommand> &MizarChainCommands()
{
    static const QList<TVMIZChainCommand> commands = {
        {"MizarRunVerifierAction", "<PLK>Uruchom &weryfikator<ENU>Run &verifier",
         "<PLK>Uruchom weryfikator<ENU>Run verifier", QKeySequence(Qt::Key_F9),
         VerifierChain(VMIZPrograms::Verifier()), &TVMIZChildEditForm::MizarRunVerifierActionExecute},
        {"MizarRunAllChecksAction", "<PLK>Uruchom &detektory...<ENU>Run &detectors...",
         "<PLK>Uruchom wszystkie detektory<ENU>Run all detectors", QKeySequence(Qt::CTRL | Qt::Key_F9), {},
         &TVMIZChildEditForm::MizarRunAllChecksActionExecute},
        {"MizarInaccAction", "<PLK>Znajdź nieosiągalne e&lementy<ENU>Detect inaccessible ite&ms",
         "<PLK>Znajdź elementy, do których nie ma możliwości odwołania<ENU>Detect items that aren't later accessible",
         QKeySequence(), VerifierChain(QStringLiteral("inacc")), &TVMIZChildEditForm::MizarInaccActionExecute},
        {"MizarRelInferAction", "<PLK>Znajdź nieistotne in&ferencje<ENU>Detect irrelevant inf&erences",
         "<PLK>Znajdź inferencje, które można zastąpić wcześniejszymi inferencjami lub etykietami<ENU>Detect "
         "inferences that can be substituted with earlier inferences or labels",
         QKeySequence(), VerifierChain(QStringLiteral("relinfer")), &TVMIZChildEditForm::MizarRelInferActionExecute},
        {"MizarRelItersAction", "<PLK>Znajdź nieistotne &kroki iteracyjne<ENU>Detect irrelevant iter&ative steps",
         "<PLK>Znajdź kroki iteracyjne, które mogą być połączone z sąsiednimi krokami<ENU>Detect iterative steps "
         "that can be merged with surrounding steps",
         QKeySequence(), VerifierChain(QStringLiteral("reliters")), &TVMIZChildEditForm::MizarRelItersActionExecute},
        {"MizarRelPremAction", "<PLK>Znajdź ni&eistotne przesłanki<ENU>Detect &irrelevant premises",
         "<PLK>Znajdź przesłanki, które nie są potrzebne w danym kroku<ENU>Detect premises that aren't needed in the "
         "step",
         QKeySequence(), VerifierChain(QStringLiteral("relprem")), &TVMIZChildEditForm::MizarRelPremActionExecute},
        {"MizarTrivDemoAction", "<PLK>Znajdź &trywialne dowody<ENU>Detect &trivial proofs",
         "<PLK>Znajdź dowody, które można udowodnić przez \"by\"<ENU>Detect proofs that can be proven with \"by\"",
         QKeySequence(), VerifierChain(QStringLiteral("trivdemo")), &TVMIZChildEditForm::MizarTrivDemoActionExecute},
        {"MizarChkLabAction", "<PLK>&Znajdź nieistotne etykiety<ENU>Detect irrelevant la&bels",
         "<PLK>Znajdź etykiety, które nie są później używane<ENU>Detect labels that aren't later used",
         QKeySequence(), VerifierChain(QStringLiteral("chklab")), &TVMIZChildEditForm::MizarChkLabActionExecute},
        {"MizarIrrVocAction",
         "<PLK>Znajdź nieistotne dyrektywy \"&vocabularies\"<ENU>Detect irrelevant \"v&ocabularies\" directives",
         "<PLK>Znajdź dyrektywy \"vocabularies\", które są niepotrzebne w artykule<ENU>Detect \"vocabularies\" "
         "directives that aren't needed in this article",
         QKeySequence(), AccomChain(QStringLiteral("irrvoc")), &TVMIZChildEditForm::MizarIrrVocActionExecute},
        {"MizarIrrThsAction",
         "<PLK>Znajdź nieistotne dyrektywy \"t&heorems\" i \"schemes\"<ENU>Detect irrelevant \"t&heorems\" and "
         "\"schemes\" directives",
         "<PLK>Znajdź dyrektywy \"theorems\" i \"schemes\", które są niepotrzebne w artykule<ENU>Detect \"theorems\" "
         "and \"schemes\" directives that aren't needed in this article",
         QKeySequence(), AccomChain(QStringLiteral("irrths")), &TVMIZChildEditForm::MizarIrrThsActionExecute},
    };
    return commands;
}

TVMIZChildEditForm::TVMIZChildEditForm(QWidget *owner)
    : TZOKChildEditForm(owner)
{
    SynEdit()->viewport()->installEventFilter(this);
    for (const TVMIZChainCommand &command : MizarChainCommands()) {
        QAction *action = AddChildAction(command.name, "Process");
        action->setShortcut(command.key);
        const auto handler = command.handler;
        connect(action, &QAction::triggered, this,
                [this, handler] { TVURApplication::RunReportingErrors([this, handler] { (this->*handler)(); }); });
    }
}

void TVMIZChildEditForm::TranslateTexts()
{
    TZOKChildEditForm::TranslateTexts();
    for (const TVMIZChainCommand &command : MizarChainCommands()) {
        QAction *action = Action(command.name);
        action->setText(TranslateText(QString::fromUtf8(command.caption)));
        action->setToolTip(TranslateText(QString::fromUtf8(command.hint)));
        action->setStatusTip(action->toolTip());
    }
}

QString TVMIZChildEditForm::MizarWikiServer()
{
    return QStringLiteral("http://wiki.mizar.org");
}

QString TVMIZChildEditForm::KeywordFileName() const
{
    const QString name = QStringLiteral("QuMIZ-reserved-words.xml");
    const QString programDir = QCoreApplication::applicationDirPath();
    const QString beside = QDir(programDir).filePath(name);
    if (QFileInfo::exists(beside))
        return beside;
    return QDir(programDir).filePath(QStringLiteral("../share/quill-miz/") + name);
}

bool TVMIZChildEditForm::OpenErrorWikiPage(const QString &number)
{
    bool ok = false;
    const int value = number.toInt(&ok);
    if (!ok || value == -1)
        return false;
    VURShell::ShellOpen(nullptr, MizarWikiServer() + QStringLiteral("/cgi-bin/twiki/view/Mizar/ErrorNo") + number);
    return true;
}

bool TVMIZChildEditForm::ShowContextHelp()
{
    int line = 0, index = 0;
    SynEdit()->getCursorPosition(&line, &index);
    const QString current = LineText(line);
    // The character right of the caret.
    const int column = CaretColumn();
    QString word = WordAtCaret();
    if (word.isEmpty() && line < SynEdit()->lines()) {
        if (column < current.size())
            word = current.at(column);
        if ((word.isEmpty() || word == QStringLiteral(" ")) && column > 0 && column - 1 < current.size())
            word = current.at(column - 1);
        if (word.isEmpty())
            word = QStringLiteral(" ");
    }

    const TVURHighlighter *highlighter = SharedHighlighter();
    const TVMIZHighlighter classifier;
    const TVURHighlighter *lines = highlighter ? highlighter : &classifier;
    if (lines->IsIssueMarkLine(current)) {
        if (OpenErrorWikiPage(word))
            return true;
        // The marks "*" and "," stand between the numbers: look outwards.
        for (int d = 1; column - d >= 0 || column + d < current.size(); ++d) {
            for (const int at : {column - d, column + d}) {
                if (at < 0 || at >= current.size())
                    continue;
                if (OpenErrorWikiPage(WordAtColumn(current, at).trimmed()))
                    return true;
            }
        }
        return false;
    }
    if (lines->IsIssueLine(current)) {
        const qsizetype colon = current.indexOf(QStringLiteral(": "));
        QString number = colon < 0 ? QString() : current.left(colon);
        const qsizetype marker = number.indexOf(QStringLiteral("::> "));
        number = marker < 0 ? QString() : number.mid(marker + 4);
        return OpenErrorWikiPage(number.trimmed());
    }
    return ShowReservedWordHelp(word);
}

bool TVMIZChildEditForm::ShowReservedWordHelp(const QString &word)
{
    const bool ampersand = word == QStringLiteral("&");
    if (!ampersand) {
        const auto *keywords = dynamic_cast<const TZOKHighlighter *>(SharedHighlighter());
        const QStringList &reserved = keywords ? keywords->ReservedWords() : TVMIZHighlighter::MizarReservedWords();
        if (!reserved.contains(word.toLower()))
            return false;
    }
    const QString lookFor = ampersand ? QStringLiteral("ampersand") : word;
    const QString fileName = KeywordFileName();
    if (!QFileInfo::exists(fileName))
        return false;

    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const TVMIZKeywordTopics found = ReadKeywordTopics(file.readAll(), lookFor);
    if (!found.parsed)
        return false;
    QString base = found.base;
    // A base without a scheme is a folder next to the keyword file.
    if (QUrl(base).scheme().size() <= 1)
        base = QUrl::fromLocalFile(QFileInfo(fileName).absolutePath() + QLatin1Char('/')).toString() + base;

    bool shown = false;
    for (const QStringList &topics : found.entries) {
        if (topics.size() == 1) {
            if (!topics.first().isEmpty()) {
                VURShell::ShellOpen(nullptr, base + topics.first());
                shown = true;
            }
        } else if (topics.size() > 1) {
            QString common = topics.first();
            for (const QString &topic : std::as_const(topics)) {
                qsizetype same = 0;
                while (same < common.size() && same < topic.size() && common.at(same) == topic.at(same))
                    ++same;
                common.truncate(same);
            }
            const QString page = topics.first().section(QLatin1Char('#'), 0, 0);
            if (!common.isEmpty() && common.contains(QLatin1Char('#'))) {
                if (!page.isEmpty()) {
                    VURShell::ShellOpen(nullptr, base + page);
                    shown = true;
                }
            } else {
                std::unique_ptr<TVMIZHelpContextDialog> dialog = MakeForm<TVMIZHelpContextDialog>(this, word);
                for (const QString &topic : std::as_const(topics))
                    dialog->AddTopic(topic);
                const int result = dialog->ShowModal();
                const QString chosen = dialog->ChosenTopic();
                dialog.reset();
                if (result == TVURDialogForm::mrOk && !chosen.isEmpty())
                    VURShell::ShellOpen(nullptr, base + chosen);
                shown = true;
            }
        }
    }
    return shown;
}

void TVMIZChildEditForm::SynEditMouseDown(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const long position = SynEdit()->SendScintilla(QsciScintilla::SCI_POSITIONFROMPOINTCLOSE,
                                                   static_cast<unsigned long>(event->position().x()),
                                                   long(event->position().y()));
    if (position < 0)
        return;
    const int line = int(SynEdit()->SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, static_cast<unsigned long>(position)));
    const long lineStart = SynEdit()->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const int column = int(SynEdit()->SendScintilla(QsciScintilla::SCI_COUNTCHARACTERS,
                                                    static_cast<unsigned long>(lineStart), position));
    const QString word = WordAtColumn(LineText(line), column).trimmed();
    bool ok = false;
    if (word.toInt(&ok) == -1 || !ok)
        return;
    ShowStatusMessage(QStringLiteral("#") + word + QStringLiteral(": ") + VMIZFiles::GetMizarMessage(word),
                      VURColors::clWindowText, true, false);
}

bool TVMIZChildEditForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == SynEdit()->viewport() && event->type() == QEvent::MouseButtonPress)
        SynEditMouseDown(static_cast<QMouseEvent *>(event));
    return TZOKChildEditForm::eventFilter(watched, event);
}

void TVMIZChildEditForm::RunMizarChain(const QStringList &programs)
{
    if (GetModified() || GetUntitled())
        SaveFile();
    if (GetModified() || GetUntitled())
        return;

    const QString mizarDir = VMIZFiles::GetMizarDir();
    const QFileInfo article(GetFileName());
    const QString articlePath = article.absolutePath() + QLatin1Char('/');
    const QString articleFileName = article.fileName();
    const QString articleName = VMIZPrograms::ArticleName(articleFileName);
    if (!VMIZFiles::IsMizarArticleName(articleFileName)) {
        ShowError(QStringLiteral(
            "<PLK>Nieprawidłowa nazwa pliku.\\n\\nMizar pozwala na nazwy zaczynające się od litery,\\nskładające się "
            "z liter, cyfr i znaku podkreślenia\\noraz mające standardowe rozszerzenie (.miz).<ENU>Invalid file "
            "name.\\n\\nMizar file names must start with a letter,\\ninclude letters, digits and the underscore "
            "only,\\nand have the standard extension (.miz)."));
        return;
    }
    // The marking programs write the issues into the article itself and would
    // fail on it silently, leaving a count of issues that are nowhere shown.
    if (!article.isWritable()) {
        ShowError(FormatArgumentsFromRight(
            TranslateText(QStringLiteral(
                "<PLK>Artykuł jest chroniony przed zapisem:\\n\"%s\".\\n\\nMizar zapisuje w nim znalezione "
                "błędy, więc nie można go sprawdzić.<ENU>The article is write-protected:\\n\"%s\".\\n\\nMizar "
                "writes the issues it finds into the article, so it cannot be checked.")),
            {GetFileName()}));
        return;
    }
    ShowStatusMessage(QStringLiteral("<PLK>Sprawdzanie...<ENU>Checking..."), VURColors::clWindowText, false, false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QStringList issues;
    const auto cleanUp = [this, &issues] {
        ReportIssueCount(int(issues.size()));
        QApplication::restoreOverrideCursor();
    };
    try {
        for (const QString &program : programs) {
            const VMIZFiles::TVMIZProgramLookup lookup = VMIZFiles::FindMizarProgram(program);
            if (!lookup.found) {
                ShowError(FormatArgumentsFromRight(
                    TranslateText(QStringLiteral("<PLK>Nie znaleziono programu %s\\nw %s.<ENU>Program %s not "
                                                 "found\\nin %s.")),
                    {program, mizarDir}));
                break;
            }
            if (!RunMizarProgram(mizarDir, articlePath, issues, lookup.path, articleFileName))
                break;
        }
        if (!issues.isEmpty()) {
            WriteIssues(articlePath, articleName, issues);
            const VMIZPrograms::TVMIZProgram *errflag = VMIZPrograms::Program(VMIZPrograms::ErrFlag());
            const VMIZPrograms::TVMIZProgram *addfmsg = VMIZPrograms::Program(VMIZPrograms::AddFMsg());
            // Their exit codes and failed starts tell nothing the reload will not show.
            VURShell::RunAndWait(articlePath, HiddenProgramPath(mizarDir, errflag->name),
                       VMIZPrograms::Arguments(*errflag, articleFileName));
            VURShell::RunAndWait(articlePath, HiddenProgramPath(mizarDir, addfmsg->name),
                       VMIZPrograms::Arguments(*addfmsg, articleFileName));
        }
        ReloadKeepingView();
    } catch (...) {
        cleanUp();
        throw;
    }
    cleanUp();
}

bool TVMIZChildEditForm::RunMizarProgram(const QString &mizarDir, const QString &articlePath, QStringList &issues,
                                         const QString &programFile, const QString &articleFileName)
{
    const QString name = QFileInfo(programFile).fileName();
    const VMIZPrograms::TVMIZProgram *program = VMIZPrograms::Program(name);
    const VMIZPrograms::TVMIZProgram fallback{name, VMIZPrograms::TVMIZArgument::ArticleName, VMIZPrograms::TVMIZRunMode::RunWindow,
                                false, true};
    if (!program)
        program = &fallback;
    const QStringList arguments = VMIZPrograms::Arguments(*program, articleFileName);

    int result = 0;
    {
        std::unique_ptr<TVMIZRunForm> runForm = MakeForm<TVMIZRunForm>(this);
        runForm->SetMizarDir(mizarDir);
        runForm->SetProgramFile(programFile);
        runForm->SetWorkingDirectory(articlePath);
        runForm->SetArguments(arguments);
        // Busy, but the run window's Cancel is there to be pressed.
        QApplication::changeOverrideCursor(Qt::BusyCursor);
        result = runForm->ShowModal();
        QApplication::changeOverrideCursor(Qt::WaitCursor);
    }
    if (result == TVURDialogForm::mrCancel)
        return false;
    if (name != VMIZPrograms::RemFlags())
        AddErrFileLines(articlePath, VMIZPrograms::ArticleName(articleFileName), issues);
    if (program->reportsEnvironment)
        return issues.isEmpty();
    return true;
}

void TVMIZChildEditForm::AddErrFileLines(const QString &articlePath, const QString &articleName, QStringList &issues)
{
    const QString fileName = articlePath + articleName + QStringLiteral(".err");
    QString text;
    try {
        text = VURTextFile::ReadTextFile(fileName).text;
    } catch (const EVURException &error) {
        throw TVURChildFileForm::ReadFailure(fileName, error);
    }
    issues.append(SplitLines(text));
}

void TVMIZChildEditForm::WriteIssues(const QString &articlePath, const QString &articleName,
                                     const QStringList &issues)
{
    QString text;
    for (const QString &issue : issues)
        text += issue + QLatin1Char('\n');
    VURTextFile::WriteTextFile(articlePath + articleName + QStringLiteral(".err"), text,
                               VURTextFile::TVUREncoding::Utf8);
}

void TVMIZChildEditForm::ReloadKeepingView()
{
    const int topLine = TopLine();
    const int caret = CaretOffset();
    try {
        ReopenFile();
    } catch (const EVURException &error) {
        // The article went away during the run: the window holds the only
        // copy, and closing it asks to save.
        SetModified(true);
        throw TVURChildFileForm::ReadFailure(GetFileName(), error);
    }
    SetTopLine(topLine);
    SetCaretOffset(caret);
}

QStringList TVMIZChildEditForm::AllChecksPrograms()
{
    const bool all = VMIZDetectors::AllChosen();
    const auto &selection = VMIZDetectors::Selection();
    const bool needsAccom = all || selection[6] || selection[7];
    QStringList programs{VMIZPrograms::RemFlags(), needsAccom ? VMIZPrograms::Accom() : VMIZPrograms::MakeEnv()};
    bool added = false;
    for (int i = 0; i < VMIZDetectors::kDetectorCount; ++i) {
        if (all || selection[i]) {
            programs.append(VMIZDetectors::DetectorName(i));
            added = true;
        }
    }
    return added ? programs : QStringList();
}

void TVMIZChildEditForm::MizarRunAllChecksActionExecute()
{
    if (ShowDialog<TVMIZDetectorsDialog>(this) != TVURDialogForm::mrOk)
        return;
    const QStringList programs = AllChecksPrograms();
    if (!programs.isEmpty())
        RunMizarChain(programs);
}

void TVMIZChildEditForm::MizarRunVerifierActionExecute() { RunMizarChain(MizarChainCommands().at(0).programs); }
void TVMIZChildEditForm::MizarInaccActionExecute() { RunMizarChain(MizarChainCommands().at(2).programs); }
void TVMIZChildEditForm::MizarRelInferActionExecute() { RunMizarChain(MizarChainCommands().at(3).programs); }
void TVMIZChildEditForm::MizarRelItersActionExecute() { RunMizarChain(MizarChainCommands().at(4).programs); }
void TVMIZChildEditForm::MizarRelPremActionExecute() { RunMizarChain(MizarChainCommands().at(5).programs); }
void TVMIZChildEditForm::MizarTrivDemoActionExecute() { RunMizarChain(MizarChainCommands().at(6).programs); }
void TVMIZChildEditForm::MizarChkLabActionExecute() { RunMizarChain(MizarChainCommands().at(7).programs); }
void TVMIZChildEditForm::MizarIrrVocActionExecute() { RunMizarChain(MizarChainCommands().at(8).programs); }
void TVMIZChildEditForm::MizarIrrThsActionExecute() { RunMizarChain(MizarChainCommands().at(9).programs); }

#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Running programs, opening documents and addresses with the desktop's
// default handler, and file-type associations in the user's XDG folders.
namespace VURShell {

enum class RunOutcome { Exited, FailedToStart, Crashed };

// Starts the program with its arguments in the directory (no shell, no
// splitting), hidden (its input and output are the null device), waits
// without a time limit and returns its exit code, or -1 when it could not
// be started or did not exit normally.
int RunAndWait(const QString &directory, const QString &program, const QStringList &arguments,
               RunOutcome *outcome = nullptr);

// Opens a file, a web address (with or without a scheme) or a "mailto:"
// address in the user's default program. The result is only informative.
bool ShellOpen(QWidget *owner, const QString &fileOrAddress, const QString &parameters = QString());

// Associates files ending in ext (".miz") with program as the document type
// `type`: a MIME type, a desktop entry and the default-application entry.
// Failures are passed over silently.
void RegisterExtension(const QString &ext, const QString &type, const QString &description,
                       const QString &program, const QString &icon);
// An empty program means this program's own path.
void UnregisterExtension(const QString &ext, const QString &program = QString());
// The Exec line of the desktop entry that opens files ending in ext; empty
// when no program opens them.
QString GetAssociatedCommand(const QString &ext);

// Brings the desktop's MIME and application caches in step with the files
// the two calls above wrote; run once after a batch of them. The tools are
// optional.
void RefreshDesktopCaches();

// The MIME type name used for a document type ("VUR.miz" ->
// "application/x-vur.miz") and the file names written for it.
QString MimeTypeForDocumentType(const QString &type);
QString MimePackageFileName(const QString &ext);
QString DesktopEntryId(const QString &program);
QString DesktopExecCommand(const QString &program);

} // namespace VURShell

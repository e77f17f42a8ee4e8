#include "messages/messages.h"

#include "messages/prompter.h"

#include <QCoreApplication>

// The texts stay literal at their translate() calls so that lupdate finds
// them in their contexts.

void showError(const QString &text)
{
    prompter().showMessage(Prompter::Severity::Error,
                           QCoreApplication::translate("Vimbracl caption", "Error"), text);
}

void showWarning(const QString &text)
{
    prompter().showMessage(Prompter::Severity::Warning,
                           QCoreApplication::translate("Vimbracl caption", "Warning"), text);
}

bool confirmWarning(const QString &text, const QString &details)
{
    return prompter().confirm(QCoreApplication::translate("Vimbracl caption", "Warning"), text,
                              details);
}

QString cannotReadFileMessage(const QString &fileName)
{
    return QCoreApplication::translate("Vimbracl message", "Unable to read the file \"%1\"",
                                       "%1 is the file name")
            .arg(fileName);
}

QString cannotCreateFileMessage(const QString &fileName)
{
    return QCoreApplication::translate("Vimbracl message", "Unable to create the file \"%1\"",
                                       "%1 is the file name")
            .arg(fileName);
}

QString cannotWriteFileMessage(const QString &fileName)
{
    return QCoreApplication::translate("Vimbracl message", "Unable to write in the file \"%1\"",
                                       "%1 is the file name")
            .arg(fileName);
}

QString changedOnDiskQuestion(const QString &fileName)
{
    return QCoreApplication::translate(
                   "Vimbracl message",
                   "The file \"%1\" has been changed by another program since it was read.\n"
                   "Overwrite it?",
                   "%1 is the file name")
            .arg(fileName);
}

namespace {

// A line of a megabyte would make a box no screen holds.
QString shortened(const QString &line)
{
    constexpr qsizetype shown = 200;
    return line.size() <= shown ? line : line.left(shown) + QChar(0x2026);
}

} // namespace

QString changedLinesDetails(const QString &onDisk, const QString &toBeWritten)
{
    return QCoreApplication::translate("Vimbracl message", "Now in the file: %1\nTo be written: %2",
                                       "%1 and %2 are the first lines of the file")
            .arg(shortened(onDisk), shortened(toBeWritten));
}

QString interruptedSaveMessage(const QString &fileName, const QString &backupName)
{
    return QCoreApplication::translate(
                   "Vimbracl message",
                   "A save of \"%1\" was interrupted. Its previous content is in \"%2\".",
                   "%1 is the file name, %2 the name of the copy of its previous content")
            .arg(fileName, backupName);
}

QString missingFileArgumentMessage()
{
    return QCoreApplication::translate("Vimbracl message", "Error in Command Line : no File");
}

QString undecodableFileNameMessage(const QString &fileName)
{
    return QCoreApplication::translate(
                   "Vimbracl message",
                   "Error in Command Line : the file name \"%1\" is not valid in the "
                   "system's character encoding",
                   "%1 is the file name, with the characters that cannot be shown replaced")
            .arg(fileName);
}

QString noWorkingDirectoryMessage(const QString &fileName)
{
    return QCoreApplication::translate("Vimbracl message",
                                       "Error in Command Line : the current directory cannot "
                                       "be found, so the relative file name \"%1\" cannot be "
                                       "used",
                                       "%1 is the file name")
            .arg(fileName);
}

QString missingDumpFunctionMessage()
{
    return QCoreApplication::translate(
            "Vimbracl message",
            "Dump option : The name of the function is not provided.\nFor more informations, "
            "please refer to the Coverage reference manual.");
}

QString chooseDirectoryCaption()
{
    return QCoreApplication::translate("Vimbracl caption", "Choose a directory");
}

QString chooseFileCaption()
{
    return QCoreApplication::translate("Vimbracl caption", "Choose a file");
}

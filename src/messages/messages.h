#pragma once

#include <QString>

// The boxes shown by the store and the dialog, with their captions
// translated in "Vimbracl caption" and their texts in "Vimbracl message".
void showError(const QString &text);
void showWarning(const QString &text);
// A warning with Yes and No, and the details below it; true for Yes.
bool confirmWarning(const QString &text, const QString &details);

QString cannotReadFileMessage(const QString &fileName);
QString cannotCreateFileMessage(const QString &fileName);
QString cannotWriteFileMessage(const QString &fileName);
QString changedOnDiskQuestion(const QString &fileName);
// The first line now in a changed file and the one about to be written.
QString changedLinesDetails(const QString &onDisk, const QString &toBeWritten);
QString interruptedSaveMessage(const QString &fileName, const QString &backupName);
QString missingFileArgumentMessage();
QString undecodableFileNameMessage(const QString &fileName);
QString noWorkingDirectoryMessage(const QString &fileName);
QString missingDumpFunctionMessage();
QString chooseDirectoryCaption();
QString chooseFileCaption();

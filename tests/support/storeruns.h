#pragma once

#include "store/optionsfile.h"

#include "recordingprompter.h"

// What every start does to the files: the store loads. Returns the boxes
// shown.
inline QStringList startUp(const QString &path)
{
    RecordingPrompter boxes;
    OptionsFile store(path);
    return boxes.texts();
}

// Saves `line` with the activation flag on; the boxes shown, with every
// question answered Yes or No as `answer` says.
inline QStringList saveLine(OptionsFile &store, const QString &line, bool answer = false)
{
    RecordingPrompter boxes;
    boxes.confirmations = {answer, answer};
    store.setOptions(line);
    store.setActive(1);
    store.save();
    return boxes.texts();
}

// The same from a fresh start, its boxes included.
inline QStringList save(const QString &path, const QString &line)
{
    RecordingPrompter boxes;
    OptionsFile store(path);
    return boxes.texts() + saveLine(store, line);
}

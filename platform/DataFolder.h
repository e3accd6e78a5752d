#pragma once
#include <QString>
#include <QStringList>

namespace vornel {

// Where the game keeps its data files. A program folder the user may write
// (a build, a portable copy) keeps them beside the executable. Otherwise
// they live in a folder of the user's own, and the shipped files (the
// English texts, sounds, help, built-in wallpapers) are read where the
// program keeps them; nothing is written under the installation prefix.
struct DataFolders {
    DataFolders() = default;
    // One folder holding the data and the shipped files alike.
    DataFolders(const QString& folder) : shipped(folder), data(folder) { }

    QString shipped;  // the read-only files that come with the program
    QString data;     // the data files the game reads and writes
    // A program folder that cannot be written: its data files are copied
    // into `data` where that has none yet. Empty when there is none.
    QString readOnlyProgram;

    // The path of a shipped file or folder: the data folder's own when a
    // real one is there (the user's copy wins), else the shipped one.
    QString shippedFile(const QString& name) const;
    // The folder that path is in.
    QString shippedFolderOf(const QString& name) const;
};

// The shipped files and folders, by name.
QStringList shippedFileNames();
// The data files the game writes, by name.
QStringList dataFileNames();

// `executableFolder` is where the program runs from; `userFolder` the
// per-user folder to use when the program's own cannot be written. It is
// made if need be; nothing else is touched.
DataFolders chooseDataFolders(const QString& executableFolder, const QString& userFolder);

// Readies the data folder once the game holds it: copies each data file of
// a read-only program folder that the data folder lacks, and removes the
// links to shipped files that earlier versions made there.
void settleDataFolder(const DataFolders& folders);

}  // namespace vornel

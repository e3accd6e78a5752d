#pragma once
#include <QString>
#include <QStringList>

namespace vornel {

// Where the game keeps its data files. A program folder the user may write
// (a build, a portable copy) keeps them beside the executable. An installed
// program keeps them in a folder of the user's own, where the shipped files
// (the English texts, sounds, help, built-in wallpapers) are linked in at
// the first start; nothing is written under the installation prefix.
struct DataFolders {
    QString shipped;  // the read-only files that come with the program
    QString data;     // every data file, shipped ones included
};

// The shipped files the data folder must offer, by name.
QStringList shippedFileNames();

// `executableFolder` is where the program runs from; `userFolder` the
// per-user folder to use when the program's own cannot be written.
DataFolders chooseDataFolders(const QString& executableFolder, const QString& userFolder);

}  // namespace vornel

#pragma once

#include "TRDPFile.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

/// What a refresh finds below one folder, read from the disk alone: the subfolders and the connection
/// files, each group in the order the tree shows them, and optionally the records of the files the list
/// does not know yet. Taking it touches neither the list nor the tree, so it may run on a worker thread.
class TFolderListing
{
public:
    struct Folder
    {
        QString Name;
        /// What the folder holds; none when it is not entered (a link back into the scanned chain).
        std::unique_ptr<TFolderListing> Listing;
    };
    struct File
    {
        QString Name;
        /// Read ahead for a file the list did not know; otherwise none.
        std::unique_ptr<TRDPFile> Record;
        /// Why reading ahead failed; empty when it was not tried or worked.
        QString Error;
    };

    std::vector<Folder> Folders;
    std::vector<File> Files;

    /// A connection file's name: the text after its last "." is "rdp" in any ASCII letter case.
    static bool IsConnectionFileName(const QString& fileName);

    /// Lists `folder`, its subfolders too when `recursive` (without them at all otherwise). With
    /// `isKnown`, every connection file it does not know is read ahead; it is called on the taking thread.
    static TFolderListing Take(const QString& folder, bool recursive,
                               const std::function<bool(const QString&)>& isKnown = {});
};

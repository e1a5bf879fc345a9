#pragma once

#include "platform/FileCondition.h"
#include "platform/FileIdentity.h"
#include "platform/PackedNames.h"

#include <QByteArrayList>
#include <QHash>

#include <vector>

// The order a listing comes in: the user's alphabetical order, or the folder's own, which costs
// no sort.
enum class ListingOrder { Alphabetical, AsStored };

// The listed names of one folder as the folder holds them, in the display order of their shown
// texts (DiskName::textOf) unless asked otherwise, or the reason the folder could not be read (then the names are
// empty). The names are held in one buffer, so a large folder costs little more than its names.
struct FolderListing {
    PackedNames names;
    FileError error;
    // The folder that was read; empty when it could not be.
    FileIdentity folder;
    // Hidden names under which an interrupted change of letter case left a file, with the way
    // back in them (ParkedName.h); only a listing of files looks for them.
    QByteArrayList parked;
};

// A name of a folder and whether the file list could show it: a regular file, or a link to one.
// A symbolic link to a name of the same folder keeps that name, since whether it leads to a
// file changes with the names of the folder.
struct FolderEntry {
    QByteArray name;
    bool isFile = false;
    QByteArray linkTarget;
};

// Every name of one folder, hidden ones and folders included, in the folder's own order, or
// the reason the folder could not be read; which folder was read, and whether it finds a name
// in any letter case, as vfat, exfat and case-folding ext4 folders do (a vfat or exfat disk counts
// as one also where its mount tells spellings apart, since a camera will not). The names are held in one
// buffer, so that a large folder costs little more than its names.
struct FolderContents {
    PackedNames names;
    std::vector<bool> isFile;
    QHash<int, QByteArray> linkTargets; // by the link's place, for links to names of the folder
    FileError error;
    FileIdentity folder;
    bool ignoresCase = false;

    qsizetype size() const { return names.size(); }
    void append(QByteArrayView name, bool isRegularFile, const QByteArray &linkTarget = {})
    {
        if (!linkTarget.isEmpty())
            linkTargets.insert(int(names.size()), linkTarget);
        names.append(name);
        isFile.push_back(isRegularFile);
    }
    FolderEntry entry(qsizetype place) const
    {
        return {names.at(place).toByteArray(), isFile[size_t(place)], linkTargets.value(int(place))};
    }
};

// Where the game finds what it ships and where it keeps what it rewrites.
//
// The shipped files lie in the program folder: beside the game in a portable
// folder (the build folder, or a copy of it), or in the prefix's share/zambrel
// when the game is installed. Three of them the game rewrites as it is played:
// the question table (its answers rotate), the results and tulip.dat (the
// packs merged). A portable folder that the player may write keeps them where
// they are, as always. Otherwise they are copied once into the player's own
// data folder and used there from then on; a copy the player has is never
// replaced, so his results and merged packs survive every start and update.
#pragma once

#include <QString>

#include <array>

// The files the game rewrites, in the order they are copied.
inline constexpr std::array PlayerFileNames = {"TULIP.DBF", "tulip.lst", "tulip.dat"};

struct ProgramFolder {
    QString folder;          // ends in "/"
    bool installed = false;  // in the prefix's shared data rather than beside the game
};

// The question table beside the game marks a portable folder; else the shipped
// files are installedFromGame, a path relative to the game's folder.
ProgramFolder locateProgramFolder(const QString& gameFolder, const QString& installedFromGame);

// The folder of the files the game rewrites, ending in "/": the program folder
// itself when it is portable and the player may write it and its files, else
// userFolder, made when missing and given a copy of every player file it lacks
// that the program folder has. An installed game's files are never rewritten,
// not even by an administrator who could, since an update of the package
// would replace them. Throws AppError with the player's message when userFolder
// cannot be made or written.
QString preparePlayerDataFolder(const ProgramFolder& program, const QString& userFolder);

// Replaces a file's whole content so that a crash at any moment leaves
// either the old file or the new one, never a half-written one.
#pragma once

#include <QByteArray>
#include <QString>

// Writes to a temporary file in the same folder, flushes it to disk and
// renames it over the target; a symbolic link is followed to the file it
// names, which is the one replaced. False when the folder or the file cannot be
// written (a file without its owner's write permission counts as read-only).
// Its write points: the temporary file made and still empty; its content
// written and flushed, just before the rename.
bool replaceFileAtomically(const QString& path, const QByteArray& content);

// Writes a new file in the same way, so that a crash leaves no file at path
// or the whole one. False when a file is there already (it is never replaced)
// or the folder cannot be written. The same write points.
bool createFileAtomically(const QString& path, const QByteArray& content);

// The one kind of failure a player gets to see: a run-time error with its
// exact English text ("Unable to write to ...", "Cannot find file ...").
// A command that meets one is abandoned; the command wrapper shows the text.
#pragma once

#include <stdexcept>
#include <string>

#include <QString>

class AppError : public std::runtime_error {
public:
    explicit AppError(const QString& text) : std::runtime_error(text.toStdString()) {}
    explicit AppError(const std::string& text) : std::runtime_error(text) {}
    explicit AppError(const char* text) : std::runtime_error(text) {}

    QString text() const { return QString::fromStdString(what()); }
};

// The page of an advertisement clip as the rich-text reader sees it: the
// clip's lines are an RTF document in code page 1251, and the reader turns
// them into paragraphs of formatted runs, with no widget involved. It reads
// the subset our clips use; any other control word is skipped, never shown.
// Whatever the bytes, reading ends, in time linear in their number.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>

struct RtfColour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    bool operator==(const RtfColour&) const = default;
};

enum class RtfAlignment { Left, Centre, Right, Justified };

// What is not given is the view's own: its font size, its text colour.
struct RtfFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::optional<double> pointSize;
    std::optional<RtfColour> colour;

    bool operator==(const RtfFormat&) const = default;
};

// Never empty. A line break inside the paragraph is QChar::LineSeparator.
struct RtfRun {
    QString text;
    RtfFormat format;

    bool operator==(const RtfRun&) const = default;
};

struct RtfParagraph {
    RtfAlignment alignment = RtfAlignment::Left;
    QList<RtfRun> runs;

    bool operator==(const RtfParagraph&) const = default;
};

struct RtfPage {
    QList<RtfParagraph> paragraphs;

    bool operator==(const RtfPage&) const = default;
};

// Bytes that do not begin with "{\rtf" are plain 1251 text: one left-aligned
// paragraph per line.
RtfPage readRtf(const QByteArray& bytes);

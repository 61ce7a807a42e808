// Puts a clip's page into the text document of the advertisement's rich-text
// view: each paragraph a block with its alignment, each run its character
// format. Text that names no size or colour of its own keeps the view's font
// and text colour.
#pragma once

#include "adverts/rtf_reader.h"

class QFont;
class QTextDocument;

// Replaces what the document held. The page's loading leaves nothing to undo,
// so the player cannot take the page back out of the view.
void fillRtfDocument(QTextDocument& document, const RtfPage& page, const QFont& defaultFont);

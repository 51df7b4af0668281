#pragma once

// Marks an English text the window translates: lupdate reads KELVANE_TEXT as a translation mark
// with its context; the code sees the text itself.
#define KELVANE_TEXT(context, text) text

#pragma once
// The core stays free of Qt, yet its texts that reach the user are
// translated. DV_TEXT marks such a text for the translation tools (lupdate is
// told it is QT_TRANSLATE_NOOP) and leaves it as it is; the window layer
// translates it in the context given, through ui/CoreText.h.
#define DV_TEXT(context, text) text

// Marks a text that the windows show in the player's language.  The rules
// keep the Czech text as it is (the macro is just the text); the windows
// look it up under the context named here, and `make translations` finds it
// there for translations/karvelun_en.ts.
#pragma once

#define SHOWN_TEXT(context, text) text
// The same for a template with a number ("%n"), whose translation has a
// form for each plural.
#define SHOWN_COUNTED_TEXT(context, text) text

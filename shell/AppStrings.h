// Texts of the language module's string table, cached for the rest of the run.
#pragma once

#include <cstddef>

// The text of string `id`, at most 999 characters, or the empty text when the language
// module has none. The same pointer comes back on every call; it stays valid until the
// process ends and is never written through. Safe from any thread.
const wchar_t* LoadAppString(int id);

// Number of slots of the cache: 1000 at start, grown by 100 at a time.
size_t AppStringCapacity();

// How a text is fetched from the language module: LoadStringW's contract (the length
// copied into buffer, 0 for none). Tests put their own in place to watch the cache;
// returns the previous one.
using AppStringLoader = int (*)(int id, wchar_t* buffer, int capacity);
AppStringLoader SetAppStringLoader(AppStringLoader loader);

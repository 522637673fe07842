#pragma once
// Swap files of swapped-out children (internal to the library).

#include <string>

class XmlElement;

// Deletes a swap file whose child slot goes away.
void XmlDiscardSwapFile(const std::string& name);
// Deletes the swap files of every swapped-out slot below element (called before the
// subtree is freed, while the position keys can still be computed).
void XmlDiscardSwapFilesBelow(XmlElement* element);

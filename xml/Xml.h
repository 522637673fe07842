#pragma once
// The whole XML library: document model, parser, writer and settings access.

#include "XmlBase64.h"
#include "XmlDocument.h"
#include "XmlElement.h"
#include "XmlEncode.h"
#include "XmlItems.h"
#include "XmlParser.h"
#include "XmlSettings.h"
#include "XmlUnicode.h"

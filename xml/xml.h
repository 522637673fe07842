#pragma once
// The whole XML library: document model, parser, writer and settings access.

#include "xml_base64.h"
#include "xml_document.h"
#include "xml_element.h"
#include "xml_encode.h"
#include "xml_items.h"
#include "xml_parser.h"
#include "xml_settings.h"
#include "xml_unicode.h"

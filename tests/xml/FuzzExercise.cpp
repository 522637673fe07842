#include "FuzzExercise.h"

#include "Xml.h"

#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Crashes (so the fuzzer reports the input) when a property does not hold.
void Require(bool condition) {
    if (!condition) std::abort();
}

} // namespace

void XmlFuzzExercise(const std::uint8_t* data, std::size_t size) {
    const std::string text = XmlFileBytesToText(std::string_view(reinterpret_cast<const char*>(data), size));
    XmlDocument doc;
    doc.LoadText(text.c_str());
    Require(doc.GetErrorCode() <= 2);
    Require(doc.GetHeader() != nullptr);

    const std::string raw = doc.SaveToString(true);
    const std::string plain = doc.SaveToString(false);
    Require(plain.size() <= raw.size());
    (void)Utf8ToUtf16(raw);

    // What the writer produced loads again (not necessarily to the same tree: a variable
    // name holding a double quote, as ParseTag can produce, reads back as a quoted value).
    // Deep input makes the writer's indentation grow with the square of the depth and the
    // parser's cost with depth times size, so only moderate output is parsed again.
    if (raw.size() <= (1u << 18)) {
        XmlDocument again;
        again.LoadText(raw.c_str());
        Require(again.GetErrorCode() <= 2);
    }

    char buffer[64];
    doc.ReadValue("a\\b", "c", buffer, sizeof buffer);
    XmlReadString("General\\Language", "dllfile", "langen.dll", buffer, sizeof buffer, nullptr, &doc);

    if (XmlElement* root = doc.GetRoot()) {
        auto copy = root->Clone();
        (void)copy->EstimateSize();
        copy->SortChildren();
        XmlFormat format;
        format.inlineText = 1;
        format.indentCount = 2;
        format.indentWithSpaces = 1;
        copy->SetFormat(&format);
        (void)copy->WriteToString(true, false);
        // A memory target of EstimateSize bytes holds the text and its terminator.
        Require(copy->EstimateSize() > copy->WriteToString(true, true).size());
        if (root->GetChildCount() > 0) {
            std::unique_ptr<XmlElement> detached;
            root->DetachChild(0, detached);
        }
    }

    XmlDocument assigned;
    assigned.Assign(doc);
    doc.WriteValue("x\\y", "k", "v&<");
    doc.WriteValue("x\\y", nullptr, nullptr);
    (void)doc.SaveToString(true);
}

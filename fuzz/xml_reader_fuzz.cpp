// Feeds arbitrary bytes to the XML reader as if they were a language file, then walks whatever
// tree came back through every query.
#include "app/xml/xml_reader.h"

#include <cstddef>
#include <cstdint>

namespace {

std::size_t Walk(const plx::XmlNode& node) {
    std::size_t seen = node.name().value_or(QString()).size();
    seen += node.attribute(u"key").value_or(QString()).size();
    for (int i = 0; i < node.attributeCount(); ++i) {
        seen += node.attributeAt(i)->name.size();
    }
    for (int i = 0; i < node.textCount(); ++i) {
        seen += node.text(i).size();
    }
    for (int i = 0; i < node.clearSectionCount(); ++i) {
        seen += node.clearSection(i)->content.size();
    }
    for (int i = 0; i < node.childCount(); ++i) {
        seen += Walk(node.child(i));
    }
    return seen + node.order().size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const plx::XmlParseResult result =
        plx::ParseXmlBytes(QByteArrayView(data, static_cast<qsizetype>(size)));
    volatile std::size_t seen = Walk(result.node);
    (void)seen;
    return 0;
}

// The in-memory tree of an XML document as the reader builds it.
//
// `XmlNode` is a shared handle: copies refer to the same node, and a node lives as long as a handle
// or its parent holds it. The empty handle stands for "no node"; every query on it answers zero
// counts and absent values, so callers can chain lookups without checking each step.
#pragma once

#include <QString>
#include <QStringView>

#include <memory>
#include <optional>
#include <vector>

namespace plx {

struct XmlAttribute {
    QString name;
    std::optional<QString> value;  // absent when written without `=`
};

// A section kept as written: no trimming, no entity decoding.
struct ClearSection {
    QString content;
    QString opening;  // "<![CDATA[", "<!DOCTYPE", "<!--" or "<PRE>"
    QString closing;  // "]]>", ">" or "]>", "-->" or "</PRE>"
};

// One step of the document order inside an element: which list, and the index in it.
struct XmlItem {
    enum class Kind { Child, Text, ClearSection };
    Kind kind;
    int index;
};

// The node record the reader fills in; read it through `XmlNode`.
struct XmlNodeData {
    std::optional<QString> name;  // absent for the document node
    bool isDeclaration = false;   // opened by `<?`
    std::weak_ptr<XmlNodeData> parent;
    std::vector<std::shared_ptr<XmlNodeData>> children;
    std::vector<XmlAttribute> attributes;  // in document order, duplicates kept
    std::vector<QString> texts;            // trimmed and entity-decoded
    std::vector<ClearSection> clearSections;
    std::vector<XmlItem> order;  // how children, texts and clear sections interleave
};

class XmlNode {
public:
    XmlNode() = default;
    explicit XmlNode(std::shared_ptr<const XmlNodeData> data) : data_(std::move(data)) {}

    bool isNull() const { return !data_; }
    std::optional<QString> name() const;
    bool isDeclaration() const;
    XmlNode parent() const;

    int childCount() const;
    XmlNode child(int i) const;  // the empty handle when i is out of range

    // The value of the first attribute named `name` (any letter case); absent when there is no
    // such attribute or it has no value.
    std::optional<QString> attribute(QStringView name) const;
    int attributeCount() const;
    std::optional<XmlAttribute> attributeAt(int i) const;

    int textCount() const;
    QString text(int i) const;  // the empty string when i is out of range

    int clearSectionCount() const;
    std::optional<ClearSection> clearSection(int i) const;

    std::vector<XmlItem> order() const;

private:
    std::shared_ptr<const XmlNodeData> data_;
};

}  // namespace plx

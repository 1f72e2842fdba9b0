#include "app/xml/xml_node.h"

namespace plx {

namespace {

template <typename List>
bool InRange(const List& list, int i) {
    return i >= 0 && static_cast<std::size_t>(i) < list.size();
}

}  // namespace

std::optional<QString> XmlNode::name() const {
    return data_ ? data_->name : std::nullopt;
}

bool XmlNode::isDeclaration() const {
    return data_ && data_->isDeclaration;
}

XmlNode XmlNode::parent() const {
    return data_ ? XmlNode(data_->parent.lock()) : XmlNode();
}

int XmlNode::childCount() const {
    return data_ ? static_cast<int>(data_->children.size()) : 0;
}

XmlNode XmlNode::child(int i) const {
    return data_ && InRange(data_->children, i) ? XmlNode(data_->children[i]) : XmlNode();
}

std::optional<QString> XmlNode::attribute(QStringView name) const {
    if (!data_) {
        return std::nullopt;
    }
    for (const XmlAttribute& attribute : data_->attributes) {
        if (name.compare(attribute.name, Qt::CaseInsensitive) == 0) {
            return attribute.value;
        }
    }
    return std::nullopt;
}

int XmlNode::attributeCount() const {
    return data_ ? static_cast<int>(data_->attributes.size()) : 0;
}

std::optional<XmlAttribute> XmlNode::attributeAt(int i) const {
    if (data_ && InRange(data_->attributes, i)) {
        return data_->attributes[i];
    }
    return std::nullopt;
}

int XmlNode::textCount() const {
    return data_ ? static_cast<int>(data_->texts.size()) : 0;
}

QString XmlNode::text(int i) const {
    return data_ && InRange(data_->texts, i) ? data_->texts[i] : QString();
}

int XmlNode::clearSectionCount() const {
    return data_ ? static_cast<int>(data_->clearSections.size()) : 0;
}

std::optional<ClearSection> XmlNode::clearSection(int i) const {
    if (data_ && InRange(data_->clearSections, i)) {
        return data_->clearSections[i];
    }
    return std::nullopt;
}

std::vector<XmlItem> XmlNode::order() const {
    return data_ ? data_->order : std::vector<XmlItem>();
}

}  // namespace plx

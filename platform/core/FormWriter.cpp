#include "platform/core/FormWriter.h"

#include <vector>

#include "platform/core/Component.h"
#include "platform/core/Streams.h"
#include "platform/core/Strings.h"
#include "platform/core/TypInfo.h"

namespace {

std::string QuoteString(std::string_view s) {
    if (s.empty()) return "''";
    std::string out;
    bool inQuotes = false;
    for (char c : s) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < ' ') {
            if (inQuotes) out += '\'';
            inQuotes = false;
            out += '#' + std::to_string(byte);
        } else {
            if (!inQuotes) out += '\'';
            inQuotes = true;
            out += c;
            if (c == '\'') out += '\'';
        }
    }
    if (inQuotes) out += '\'';
    return out;
}

std::string HexLines(std::string_view bytes, const std::string& indent) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = "{";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % 32 == 0) out += "\n" + indent + "  ";
        const auto b = static_cast<unsigned char>(bytes[i]);
        out += kHex[b >> 4];
        out += kHex[b & 15];
    }
    return out + "}";
}

// Owner names from below root down to target, joined by dots; empty when the
// target cannot be named.
std::string ReferencePath(const TComponent* root, const TComponent* target) {
    if (target == root) return root->Name();
    std::string path;
    for (const TComponent* c = target; c && c != root; c = c->Owner()) {
        if (c->Name().empty()) return {};
        path = path.empty() ? c->Name() : c->Name() + "." + path;
    }
    return path;
}

class Writer {
public:
    explicit Writer(const TComponent* root) : FRoot(root) {}

    void WriteObject(const TComponent* component, int level) {
        const std::string indent(static_cast<std::size_t>(level) * 2, ' ');
        FOut += indent + "object ";
        if (!component->Name().empty()) FOut += component->Name() + ": ";
        FOut += component->ClassName() + "\n";
        WriteProperties(component, "", indent + "  ");
        std::vector<TComponent*> children;
        component->GetChildren(children);
        for (const TComponent* child : children) WriteObject(child, level + 1);
        FOut += indent + "end\n";
    }

    std::string Take() { return std::move(FOut); }

private:
    void WriteProperties(const TObject* obj, const std::string& prefix, const std::string& indent) {
        for (const TPropInfo* prop : GetPropList(obj->ClassType())) {
            if (!prop->IsStoredFor(obj)) continue;
            const std::string name = prefix + prop->Name;
            switch (prop->Kind) {
                case pkClass:
                    if (const TObject* sub = prop->GetObj(obj)) WriteProperties(sub, name + ".", indent);
                    break;
                case pkString:
                    Line(indent, name, QuoteString(prop->GetStr(obj)));
                    break;
                case pkBinary:
                    Line(indent, name, HexLines(prop->GetStr(obj), indent));
                    break;
                case pkReference: {
                    const auto* target = dynamic_cast<const TComponent*>(prop->GetObj(obj));
                    const std::string path = target ? ReferencePath(FRoot, target) : std::string();
                    if (!path.empty()) Line(indent, name, path);
                    break;
                }
                default:
                    Line(indent, name, GetPropText(obj, prop));
                    break;
            }
        }
    }

    void Line(const std::string& indent, const std::string& name, const std::string& value) {
        FOut += indent + name + " = " + value + "\n";
    }

    const TComponent* FRoot;
    std::string FOut;
};

}  // namespace

std::string TFormWriter::ComponentToText(const TComponent* root) {
    Writer writer(root);
    writer.WriteObject(root, 0);
    return writer.Take();
}

void TFormWriter::WriteComponent(TStream* stream, const TComponent* root) {
    const std::string text = ComponentToText(root);
    stream->WriteBuffer(text.data(), static_cast<std::int64_t>(text.size()));
}

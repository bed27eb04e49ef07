#include "platform/core/FormReader.h"

#include <algorithm>
#include <vector>

#include "platform/core/Component.h"
#include "platform/core/Events.h"
#include "platform/core/FormTextParser.h"
#include "platform/core/Streams.h"
#include "platform/core/Strings.h"
#include "platform/core/TypInfo.h"

namespace {

class Reader {
public:
    Reader(std::string_view text, const TMethodTable* methods) : FParser(text), FMethods(methods) {}

    TComponent* ReadRoot(TComponent* root, TComponent* owner) {
        try {
            FRoot = ReadObject(root, owner, true);
            FParser.CheckToken(TParser::toEOF);
        } catch (...) {
            if (!root && FRoot) {
                Forget(FRoot);
                FRoot->Free();
            }
            for (TComponent* c : FLoaded) c->CancelReading();
            throw;
        }
        ResolveFixups();
        for (TComponent* c : FLoaded) c->Loaded();
        return FRoot;
    }

private:
    struct Fixup {
        TObject* Instance;
        const TPropInfo* Prop;
        std::string Path;
    };

    // Reads "object [Name:] Class ... end". For the root, `existing` is the
    // component to read into (or null) and `owner` the owner of a new root;
    // for nested objects `owner` is the enclosing component.
    TComponent* ReadObject(TComponent* existing, TComponent* owner, bool isRoot) {
        FParser.CheckTokenSymbol("object");
        FParser.NextToken();
        FParser.CheckToken(TParser::toSymbol);
        std::string name;
        std::string className = FParser.TokenString();
        if (FParser.NextToken() == ':') {
            name = className;
            FParser.NextToken();
            FParser.CheckToken(TParser::toSymbol);
            className = FParser.TokenString();
            FParser.NextToken();
        }

        bool created = false;
        TComponent* component = isRoot ? existing : (name.empty() ? nullptr : owner->FindComponent(name));
        if (component) {
            if (!component->ClassType()->InheritsFrom(FindClass(className)))
                throw EReadError(Format("Error reading %s: class %s does not match %s", name, className,
                                        component->ClassName()));
        } else {
            const auto* family = ClassOf<TComponentClass>(FindClass(className));
            if (!family) throw EReadError(Format("Error reading %s: %s is not a component class", name, className));
            component = family->Create(owner);
            created = true;
        }
        if (isRoot) FRoot = component;

        try {
            if (!name.empty()) component->SetName(name);
            component->BeginReading();
            FLoaded.push_back(component);
            while (!FParser.TokenSymbolIs("end")) {
                if (FParser.TokenSymbolIs("object")) {
                    ReadObject(nullptr, component, false);
                } else {
                    ReadProperty(component);
                }
            }
            component->EndReading();
            FParser.NextToken();
        } catch (...) {
            if (created && !isRoot) {
                Forget(component);
                component->Free();
            }
            throw;
        }
        return component;
    }

    // Drops component and everything it owns from the loaded list.
    void Forget(TComponent* component) {
        std::erase_if(FLoaded, [component](TComponent* c) {
            for (TComponent* o = c; o; o = o->Owner())
                if (o == component) return true;
            return false;
        });
    }

    void ReadProperty(TComponent* component) {
        FParser.CheckToken(TParser::toSymbol);
        std::string path = FParser.TokenString();
        std::vector<std::string> parts{path};
        while (FParser.NextToken() == '.') {
            FParser.NextToken();
            FParser.CheckToken(TParser::toSymbol);
            parts.push_back(FParser.TokenString());
            path += "." + FParser.TokenString();
        }
        FParser.CheckToken('=');
        FParser.NextToken();

        auto fail = [&](const std::string& reason) {
            return EReadError(Format("Error reading %s.%s: %s", component->Name(), path, reason));
        };
        TObject* target = component;
        const TPropInfo* prop = nullptr;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            prop = GetPropInfo(target->ClassType(), parts[i]);
            if (!prop) throw fail(Format("Property %s does not exist", parts[i]));
            if (i + 1 < parts.size()) {
                if (prop->Kind != pkClass) throw fail(Format("Property %s does not exist", parts[i + 1]));
                target = prop->GetObj(target);
                if (!target) throw fail(Format("Property %s is not assigned", parts[i]));
            }
        }
        try {
            ReadValue(target, prop);
        } catch (const EPropertyError& e) {
            throw fail(e.Message());
        }
    }

    void ReadValue(TObject* target, const TPropInfo* prop) {
        switch (prop->Kind) {
            case pkString:
            case pkBinary:
                prop->SetStr(target, prop->Kind == pkBinary && FParser.Token() == '{' ? FParser.ReadBinary()
                                                                                     : ReadString());
                return;
            case pkSet:
                SetPropText(target, prop, ReadSetText());
                return;
            case pkReference:
                FFixups.push_back({target, prop, ReadDottedSymbol()});
                return;
            case pkEvent: {
                const std::string handler = ReadDottedSymbol();
                const std::any* fn = FMethods ? FMethods->Find(handler) : nullptr;
                if (!fn) throw EPropertyError(Format("Method %s not found", handler));
                prop->SetEvent(target, handler, *fn);
                return;
            }
            case pkClass:
                throw EPropertyError("Invalid property value");
            default:
                if (FParser.Token() == TParser::toInteger) {
                    if (prop->Kind == pkBoolean) throw EPropertyError("Invalid property value");
                    prop->SetOrd(target, FParser.TokenInt());
                    FParser.NextToken();
                    return;
                }
                FParser.CheckToken(TParser::toSymbol);
                SetPropText(target, prop, FParser.TokenString());
                FParser.NextToken();
                return;
        }
    }

    // One or more string tokens joined by '+'.
    std::string ReadString() {
        FParser.CheckToken(TParser::toString);
        std::string value = FParser.TokenString();
        while (FParser.NextToken() == '+') {
            FParser.NextToken();
            FParser.CheckToken(TParser::toString);
            value += FParser.TokenString();
        }
        return value;
    }

    std::string ReadSetText() {
        FParser.CheckToken('[');
        std::string text = "[";
        if (FParser.NextToken() != ']') {
            while (true) {
                FParser.CheckToken(TParser::toSymbol);
                text += FParser.TokenString();
                if (FParser.NextToken() == ']') break;
                FParser.CheckToken(',');
                text += ",";
                FParser.NextToken();
            }
        }
        FParser.NextToken();
        return text + "]";
    }

    std::string ReadDottedSymbol() {
        FParser.CheckToken(TParser::toSymbol);
        std::string value = FParser.TokenString();
        while (FParser.NextToken() == '.') {
            FParser.NextToken();
            FParser.CheckToken(TParser::toSymbol);
            value += "." + FParser.TokenString();
        }
        return value;
    }

    TComponent* Resolve(const std::string& path) const {
        std::vector<std::string> names;
        std::size_t start = 0;
        while (true) {
            const std::size_t dot = path.find('.', start);
            names.push_back(path.substr(start, dot == std::string::npos ? std::string::npos : dot - start));
            if (dot == std::string::npos) break;
            start = dot + 1;
        }
        if (names.size() == 1 && SameText(names[0], FRoot->Name()) && !FRoot->FindComponent(names[0])) return FRoot;
        TComponent* c = FRoot;
        for (const std::string& n : names) {
            c = c->FindComponent(n);
            if (!c) return nullptr;
        }
        return c;
    }

    void ResolveFixups() {
        for (const Fixup& f : FFixups) {
            if (TComponent* target = Resolve(f.Path)) {
                try {
                    f.Prop->SetObj(f.Instance, target);
                } catch (const EPropertyError& e) {
                    throw EReadError(Format("Error reading %s: %s", f.Prop->Name, e.Message()));
                }
            }
        }
    }

    TParser FParser;
    const TMethodTable* FMethods;
    TComponent* FRoot = nullptr;
    std::vector<TComponent*> FLoaded;
    std::vector<Fixup> FFixups;
};

}  // namespace

TComponent* TFormReader::TextToComponent(std::string_view text, TComponent* root, TComponent* owner,
                                         const TMethodTable* methods) {
    Reader reader(text, methods);
    return reader.ReadRoot(root, owner);
}

TComponent* TFormReader::ReadComponent(TStream* stream, TComponent* root, TComponent* owner,
                                       const TMethodTable* methods) {
    std::string text(static_cast<std::size_t>(std::max<std::int64_t>(0, stream->Size() - stream->Position())), '\0');
    stream->ReadBuffer(text.data(), static_cast<std::int64_t>(text.size()));
    return TextToComponent(text, root, owner, methods);
}

#pragma once
// TPersistent: objects that can copy themselves from another (Assign) and
// whose published properties can be streamed.
#include "platform/core/Object.h"

class TPersistent : public TObject {
    VN_CLASS(TPersistent, TObject)

public:
    // Copies source into this object. The default asks source->AssignTo(this);
    // when no class knows how, EConvertError "Cannot assign a %s to a %s" is
    // raised with the source class name ("nil" for nullptr) and this class name.
    virtual void Assign(const TPersistent* source);
    // The object that owns this one for naming purposes (nullptr by default).
    virtual TPersistent* GetOwner() const { return nullptr; }
    virtual std::string GetNamePath() const { return ClassName(); }

protected:
    // Copies this object into dest; the default raises the assign error.
    virtual void AssignTo(TPersistent* dest) const;
    [[noreturn]] void AssignError(const TPersistent* source) const;
};

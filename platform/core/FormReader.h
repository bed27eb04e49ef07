#pragma once
// Reads the text form written by TFormWriter.
//
// Properties are set in file order. Nested objects are owned by the object
// they appear in: an existing owned component of that name is reused (its
// class must match), otherwise the class is found by name in the class
// registry and created with Create(owner). References are collected and
// resolved once the whole form has been read, by walking the dotted name path
// from the root; a reference that names nothing is left unassigned. Events are
// looked up by handler name in the method table the caller supplies.
// Afterwards every component read gets Loaded(), in reading order.
//
// Errors: EParserError for malformed text, EClassNotFound for an unknown
// class, EReadError "Error reading <Component>.<Property>: <reason>" for a
// property that does not exist or a value that does not fit. Components
// created by a failed read are freed.
#include <string_view>

class TComponent;
class TMethodTable;
class TStream;

class TFormReader {
public:
    // Reads into root when it is given (the header's class must be root's
    // class or one of its ancestors), else creates the root with owner.
    // Returns the root.
    static TComponent* TextToComponent(std::string_view text, TComponent* root, TComponent* owner = nullptr,
                                       const TMethodTable* methods = nullptr);
    // Reads the text from the stream's position to its end.
    static TComponent* ReadComponent(TStream* stream, TComponent* root, TComponent* owner = nullptr,
                                     const TMethodTable* methods = nullptr);
};

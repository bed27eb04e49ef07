#pragma once
// TComponent: ownership, names, destruction notices and component state.
//
// Ownership: a component created with an owner is linked into the owner's
// Components list by its constructor (so Owner() and the list are right while
// descendant constructors run); the owner's Notification(component, opInsert)
// is delivered by AfterConstruction, once the component has its final class.
//
// Free() of a component runs, in this order:
//   1. BeforeDestruction -> Destroying(): csDestroying is set on the component
//      and, recursively, on every component it owns, before any Destroy body runs;
//   2. the Destroy bodies of the descendant classes;
//   3. TComponent::Destroy: every watcher registered with FreeNotification gets
//      Notification(this, opRemove) (which unregisters it), then the owned
//      components are freed last to first, each removed from the list (and
//      with its own owner's opRemove notice when it had free notifications)
//      before it is freed; finally the owner's RemoveComponent(this).
// A component freed by its owner therefore sees Owner() == nullptr in its own
// Destroy body; "is the owner going away" is answered by IsDestroying().
//
// Notification(AComponent, Operation) is virtual; the base handling drops a
// free-notification link to a removed component and forwards the call to every
// owned component (so siblings learn about each other without explicit links).
// Handlers must tolerate being called more than once for the same component.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/Persistent.h"
#include "platform/core/Set.h"

enum TOperation { opInsert, opRemove };

enum TComponentStateItem {
    csLoading,
    csReading,
    csWriting,
    csDestroying,
    csDesigning,
    csAncestor,
    csUpdating,
    csFixups,
    csFreeNotification,
    csInline,
    csDesignInstance
};
using TComponentState = TSet<TComponentStateItem>;

class TComponent : public TPersistent {
    VN_CLASS_FAMILY(TComponent, TComponent*)
    VN_CLASS(TComponent, TPersistent)

public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    void AfterConstruction() override;
    void BeforeDestruction() override;
    void Destroy() override;

    TComponent* Owner() const noexcept { return FOwner; }
    TPersistent* GetOwner() const override { return FOwner; }
    int ComponentCount() const noexcept { return static_cast<int>(FComponents.size()); }
    // The owned component at index (insertion order); EListError when out of range.
    TComponent* Components(int index) const;
    // Position in the owner's Components list; -1 without owner.
    int ComponentIndex() const;
    // Finds an owned component by name (case-insensitive); nullptr if none.
    TComponent* FindComponent(std::string_view name) const;

    const std::string& Name() const noexcept { return FName; }
    // An empty name or a valid identifier unique (case-insensitively) among
    // the owner's components; else EComponentError.
    virtual void SetName(const std::string& value);
    std::intptr_t Tag() const noexcept { return FTag; }
    void SetTag(std::intptr_t value) noexcept { FTag = value; }
    std::string GetNamePath() const override { return FName; }

    TComponentState ComponentState() const noexcept { return FComponentState; }
    bool IsDestroying() const noexcept { return FComponentState.Contains(csDestroying); }
    bool IsLoading() const noexcept { return FComponentState.Contains(csLoading); }
    bool IsDesigning() const noexcept { return FComponentState.Contains(csDesigning); }
    // Marks this component and every component it owns as being destroyed.
    void Destroying();
    // Sets or clears csDesigning here and, recursively, on owned components.
    void SetDesigning(bool value, bool setChildren = true);
    // The form reader sets csLoading and csReading before it reads this
    // component's properties, clears csReading when it has read them, and
    // calls Loaded() (which clears csLoading) once the whole form is read.
    void BeginReading();
    void EndReading();
    // Clears both flags without Loaded(), after a read that failed.
    void CancelReading();

    // Takes ownership of component (removing it from a previous owner) and
    // sends Notification(component, opInsert).
    void InsertComponent(TComponent* component);
    // Sends Notification(component, opRemove), then unlinks it (it is not freed).
    void RemoveComponent(TComponent* component);
    // Frees every owned component, last to first.
    void DestroyComponents();

    // Asks to be told (by Notification opRemove) when component is freed; the
    // link is symmetric, so component is also told when this one goes away.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    virtual void Notification(TComponent* AComponent, TOperation Operation);
    // The components a form file stores inside this one: by default every
    // owned component, in order. A component that builds internal components
    // of its own (which it re-creates itself) leaves them out.
    virtual void GetChildren(std::vector<TComponent*>& children) const;
    // Called by the form reader once the whole form has been read and every
    // reference resolved; clears csLoading. Overrides call inherited first.
    virtual void Loaded();

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);
    void RemoveNotification(TComponent* component);
    void RemoveFreeNotifications();
    void ValidateRename(const TComponent* component, const std::string& newName) const;

    TComponent* FOwner = nullptr;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    std::string FName;
    std::intptr_t FTag = 0;
    TComponentState FComponentState;
};

using TComponentClass = TComponent::ClassFamily;

#include "platform/core/Component.h"

#include <algorithm>

#include "platform/core/Strings.h"
#include "platform/core/TypInfo.h"

// Name is written in the object header of a form file, not as a property.
VN_PUBLISHED(TComponent) {
    props.String("Name", &TComponent::Name, &TComponent::SetName).SetStored(false);
    props.Integer("Tag", &TComponent::Tag, &TComponent::SetTag, 0);
}

TComponent::TComponent(TComponent* AOwner) {
    if (AOwner) {
        AOwner->Insert(this);
        if (AOwner->IsDesigning()) FComponentState.Include(csDesigning);
    }
}

TComponent::~TComponent() {
    // Normally Destroy has emptied every link; this only runs for real when a
    // descendant's C++ constructor threw after this base was linked in.
    while (!FFreeNotifies.empty()) RemoveFreeNotification(FFreeNotifies.back());
    while (!FComponents.empty()) {
        TComponent* instance = FComponents.back();
        Remove(instance);
        instance->Free();
    }
    if (FOwner) FOwner->Remove(this);
}

void TComponent::AfterConstruction() {
    inherited::AfterConstruction();
    if (FOwner) FOwner->Notification(this, opInsert);
}

void TComponent::BeforeDestruction() {
    if (!IsDestroying()) Destroying();
    inherited::BeforeDestruction();
}

void TComponent::Destroy() {
    Destroying();
    RemoveFreeNotifications();
    DestroyComponents();
    if (FOwner) FOwner->RemoveComponent(this);
    inherited::Destroy();
}

TComponent* TComponent::Components(int index) const {
    if (index < 0 || index >= ComponentCount()) throw EListError(Format("List index out of bounds (%d)", index));
    return FComponents[static_cast<std::size_t>(index)];
}

int TComponent::ComponentIndex() const {
    if (!FOwner) return -1;
    const auto& list = FOwner->FComponents;
    const auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

TComponent* TComponent::FindComponent(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (TComponent* c : FComponents)
        if (SameText(c->FName, name)) return c;
    return nullptr;
}

void TComponent::ValidateRename(const TComponent* component, const std::string& newName) const {
    if (newName.empty()) return;
    const TComponent* existing = FindComponent(newName);
    if (existing && existing != component) throw EComponentError(Format("A component named %s already exists", newName));
}

void TComponent::SetName(const std::string& value) {
    if (value == FName) return;
    if (!value.empty() && !IsValidIdent(value))
        throw EComponentError(Format("'%s' is not a valid component name", value));
    if (FOwner) FOwner->ValidateRename(this, value);
    FName = value;
}

void TComponent::Destroying() {
    if (IsDestroying()) return;
    FComponentState.Include(csDestroying);
    for (TComponent* c : FComponents) c->Destroying();
}

void TComponent::SetDesigning(bool value, bool setChildren) {
    if (value)
        FComponentState.Include(csDesigning);
    else
        FComponentState.Exclude(csDesigning);
    if (setChildren)
        for (TComponent* c : FComponents) c->SetDesigning(value, true);
}

void TComponent::BeginReading() { FComponentState.Include(csLoading).Include(csReading); }

void TComponent::EndReading() { FComponentState.Exclude(csReading); }

void TComponent::CancelReading() { FComponentState.Exclude(csReading).Exclude(csLoading); }

void TComponent::GetChildren(std::vector<TComponent*>& children) const {
    children.insert(children.end(), FComponents.begin(), FComponents.end());
}

void TComponent::Insert(TComponent* component) {
    FComponents.push_back(component);
    component->FOwner = this;
}

void TComponent::Remove(TComponent* component) {
    const auto it = std::find(FComponents.begin(), FComponents.end(), component);
    if (it != FComponents.end()) FComponents.erase(it);
    component->FOwner = nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
    if (!component || component->FOwner == this) return;
    ValidateRename(component, component->FName);
    if (component->FOwner) component->FOwner->RemoveComponent(component);
    Insert(component);
    if (IsDesigning()) component->SetDesigning(true);
    Notification(component, opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
    if (!component || component->FOwner != this) return;
    Notification(component, opRemove);
    Remove(component);
}

void TComponent::DestroyComponents() {
    while (!FComponents.empty()) {
        TComponent* instance = FComponents.back();
        if (instance->FComponentState.Contains(csFreeNotification) || IsDesigning())
            RemoveComponent(instance);
        else
            Remove(instance);
        instance->Free();
    }
}

void TComponent::FreeNotification(TComponent* component) {
    if (!component || component == this) return;
    // Components with the same owner learn of each other through the owner's
    // forwarding Notification, so no explicit link is kept between them.
    if (!FOwner || component->FOwner != FOwner) {
        if (std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component) == FFreeNotifies.end()) {
            FFreeNotifies.push_back(component);
            component->FreeNotification(this);
        }
    }
    FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveNotification(TComponent* component) {
    const auto it = std::find(FFreeNotifies.begin(), FFreeNotifies.end(), component);
    if (it != FFreeNotifies.end()) FFreeNotifies.erase(it);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
    RemoveNotification(component);
    if (component) component->RemoveNotification(this);
}

void TComponent::RemoveFreeNotifications() {
    while (!FFreeNotifies.empty()) {
        TComponent* watcher = FFreeNotifies.back();
        watcher->Notification(this, opRemove);
        // An override that skips the inherited handling must not stall the loop.
        if (!FFreeNotifies.empty() && FFreeNotifies.back() == watcher) RemoveFreeNotification(watcher);
    }
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
    int i = ComponentCount() - 1;
    while (i >= 0) {
        FComponents[static_cast<std::size_t>(i)]->Notification(AComponent, Operation);
        --i;
        if (i >= ComponentCount()) i = ComponentCount() - 1;
    }
}

void TComponent::Loaded() { FComponentState.Exclude(csLoading); }

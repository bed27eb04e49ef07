#include "platform/db/ADODataSet.h"

#include "platform/core/TypInfo.h"
#include "platform/db/ADOConnection.h"

VN_PUBLISHED(TADODataSet) {
    props.Reference("Connection", &TADODataSet::Connection, &TADODataSet::SetConnection);
    props.String("CommandText", &TADODataSet::CommandText, &TADODataSet::SetCommandText);
    props.String("Sort", &TADODataSet::Sort, &TADODataSet::SetSort);
}

void TADODataSet::Destroy() {
    SetConnection(nullptr);
    inherited::Destroy();
}

void TADODataSet::SetConnection(TADOConnection* value) {
    if (value == FConnection) return;
    if (FConnection) FConnection->RemoveFreeNotification(this);
    FConnection = value;
    if (FConnection) FConnection->FreeNotification(this);
}

void TADODataSet::SetCommandText(const std::string& value) {
    if (value == FCommandText) return;
    Close();
    FCommandText = value;
}

void TADODataSet::SetSort(const std::string& value) {
    if (Active()) {
        Rows().Sort(value);
        First();
    }
    FSort = value;
}

void TADODataSet::LoadRowSet(TRowSet rows) {
    OpenRowSet(std::move(rows));
    FSort.clear();
}

void TADODataSet::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FConnection) FConnection = nullptr;
}

std::vector<TRowSetColumn> TADODataSet::DescribeFields() {
    if (!FConnection) DatabaseError("Missing Connection");
    return FConnection->DescribeCommand(FCommandText);
}

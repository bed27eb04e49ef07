// The providers and their database components stored in and read from a form file: the
// connection references are resolved by name, the event handlers by the form's methods.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "metadata/ADOMetadataProvider.h"
#include "metadata/BDEMetadataProvider.h"
#include "metadata/EventMetadataProvider.h"
#include "platform/core/Events.h"
#include "platform/core/FormReader.h"
#include "platform/core/FormWriter.h"
#include "platform/db/ADODB.h"
#include "platform/db/DBTables.h"
#include "tests/db/Owned.h"
#include "tests/metadata/ProviderTestSupport.h"

namespace {

std::string FormText() {
    const std::string db = VNQB_SAMPLE_DB;
    return "object Form1: TComponent\n"
           "  object Database1: TDatabase\n"
           "    DatabaseName = '" + db + "'\n"
           "  end\n"
           "  object BDEProvider: TvnBDEMetadataProvider\n"
           "    Connection = Database1\n"
           "  end\n"
           "  object Connection1: TADOConnection\n"
           "    ConnectionString = 'Driver=SQLite3;Database=" + db + ";NoCreat=1'\n"
           "  end\n"
           "  object ADOProvider: TvnADOMetadataProvider\n"
           "    Connection = Connection1\n"
           "  end\n"
           "  object EventProvider: TvnEventMetadataProvider\n"
           "    OnGetViewNames = FormGetViewNames\n"
           "  end\n"
           "end\n";
}

TEST(ProviderStreaming, FormFileRoundTripKeepsConnectionsAndHandlers) {
    TMethodTable methods;
    methods.Add<void(TvnBaseMetadataProvider*, TStrings*, bool)>(
        "FormGetViewNames", [](TvnBaseMetadataProvider*, TStrings* names, bool) { names->Add("from the handler"); });
    Owned<TComponent> form(TComponent::Create(nullptr));
    TFormReader::TextToComponent(FormText(), form.get(), nullptr, &methods);

    auto* bde = dynamic_cast<TvnBDEMetadataProvider*>(form->FindComponent("BDEProvider"));
    auto* ado = dynamic_cast<TvnADOMetadataProvider*>(form->FindComponent("ADOProvider"));
    auto* events = dynamic_cast<TvnEventMetadataProvider*>(form->FindComponent("EventProvider"));
    ASSERT_TRUE(bde && ado && events);
    EXPECT_EQ(bde->Connection(), form->FindComponent("Database1"));
    EXPECT_EQ(ado->Connection(), form->FindComponent("Connection1"));

    Owned<TStringList> names(TStringList::Create());
    for (TvnBaseMetadataProvider* provider : {static_cast<TvnBaseMetadataProvider*>(bde), static_cast<TvnBaseMetadataProvider*>(ado)}) {
        provider->GetViewNames(names.get(), false);
        EXPECT_EQ(Entries(names.get()), std::vector<std::string>{"order_totals"});
    }
    events->GetViewNames(names.get(), false);
    EXPECT_EQ(Entries(names.get()), std::vector<std::string>{"from the handler"});

    EXPECT_EQ(TFormWriter::ComponentToText(form.get()), FormText());
}

}  // namespace

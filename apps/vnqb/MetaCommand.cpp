// vnqb meta: asks a metadata provider over a database for its tables, views, the columns
// of a SELECT text or the foreign keys of a table, and prints one entry per line.

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "apps/vnqb/Command.h"
#include "apps/vnqb/CommandSupport.h"
#include "ast/Names.h"
#include "ast/Node.h"
#include "metadata/ADOMetadataProvider.h"
#include "metadata/BDEMetadataProvider.h"
#include "metadata/MetadataRelation.h"
#include "platform/db/ADODB.h"
#include "platform/db/DBTables.h"

namespace {

struct MetaRequest {
  bool UseOdbc = false;
  std::string Source;  // the connection string or the file
  bool System = false;
  std::vector<std::string> Words;  // the question and its argument
};

MetaRequest ReadRequest(const std::vector<std::string>& args) {
  MetaRequest request;
  bool haveSource = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--odbc" || arg == "--sqlite") {
      if (haveSource) throw UsageError{"give one of --odbc and --sqlite"};
      if (i + 1 == args.size()) throw UsageError{arg + " needs a value"};
      request.UseOdbc = arg == "--odbc";
      request.Source = args[++i];
      haveSource = true;
    } else if (arg == "--system") {
      request.System = true;
    } else if (arg.size() > 1 && arg[0] == '-' && request.Words.empty()) {
      throw UsageError{"unknown option " + arg};
    } else {
      request.Words.push_back(arg);
    }
  }
  if (!haveSource) throw UsageError{"give --odbc CONNECTION-STRING or --sqlite FILE"};
  if (request.Words.empty()) throw UsageError{"say what to list"};
  const std::string& what = request.Words[0];
  const size_t wanted = (what == "tables" || what == "views") ? 1 : (what == "fields" || what == "relations") ? 2 : 0;
  if (wanted == 0) throw UsageError{"unknown question '" + what + "'"};
  if (request.Words.size() != wanted)
    throw UsageError{what + (wanted == 1 ? " takes no argument" : " takes one argument")};
  return request;
}

struct FreeObject {
  void operator()(TObject* object) const { object->Free(); }
};

// The relations of a table given as NAME or SCHEMA.NAME, one per line.
void PrintRelations(TvnBaseMetadataProvider* provider, const std::string& table) {
  std::unique_ptr<TSQLDatabaseObject, void (*)(TSQLDatabaseObject*)> name(TSQLDatabaseObject::Create(nullptr),
                                                                         [](TSQLDatabaseObject* n) { FreeNode(n); });
  for (size_t start = 0;;) {
    const size_t dot = table.find('.', start);
    name->AddName(table.substr(start, dot == std::string::npos ? std::string::npos : dot - start));
    if (dot == std::string::npos) break;
    start = dot + 1;
  }
  TObjectListOf<TSQLMetadataRelation> relations;
  provider->GetTableRelations(name.get(), &relations);
  for (TSQLMetadataRelation* relation : relations) std::printf("%s\n", relation->Text().c_str());
}

int RunMeta(const std::vector<std::string>& args) {
  const MetaRequest request = ReadRequest(args);
  // The components live under one owner that frees them all.
  const std::unique_ptr<TComponent, FreeObject> owner(TComponent::Create(nullptr));
  TvnBaseMetadataProvider* provider = nullptr;
  if (request.UseOdbc) {
    auto* connection = TADOConnection::Create(owner.get());
    connection->SetConnectionString(request.Source);
    auto* ado = TvnADOMetadataProvider::Create(owner.get());
    ado->SetConnection(connection);
    provider = ado;
  } else {
    auto* database = TDatabase::Create(owner.get());
    database->SetDatabaseName(request.Source);
    auto* bde = TvnBDEMetadataProvider::Create(owner.get());
    bde->SetConnection(database);
    provider = bde;
  }

  const std::string& what = request.Words[0];
  if (what == "relations") {
    PrintRelations(provider, request.Words[1]);
    return kExitOk;
  }
  const std::unique_ptr<TStringList, FreeObject> names(TStringList::Create());
  if (what == "tables")
    provider->GetTableNames(names.get(), request.System);
  else if (what == "views")
    provider->GetViewNames(names.get(), request.System);
  else
    provider->GetFields(request.Words[1], names.get());
  for (int i = 0; i < names->Count(); ++i) std::printf("%s\n", names->Get(i).c_str());
  return kExitOk;
}

}  // namespace

const VnqbCommand MetaCommand = {
    "meta",
    "vnqb meta (--odbc CONNECTION-STRING | --sqlite FILE) tables|views|fields SQL|relations TABLE [--system]\n",
    RunMeta};

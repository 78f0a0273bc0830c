#pragma once

struct sqlite3;

namespace solario {

// Registers on the connection the SQL functions through which SQLite behaves as Jet
// where the query texts rely on it: jet_concat for "&", and a LIKE that ignores case
// in every script. Returns an SQLite result code.
int RegisterJetFunctions(sqlite3* db);

} // namespace solario

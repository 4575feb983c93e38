#pragma once

#include "app/MessageSink.h"
#include "platform/Connection.h"

#include <string>

// Checks that both databases are of a version this program understands, that the central one
// is open for use and that the local nutrition data are not older than the central data.
namespace ovl {

// What the central checks read at start-up; fixed for the run afterwards.
struct CentralStatus {
    int m_bCentralV12 = 0;       // program-data version 1.2.0.0: release checks are on
    int m_nCentralRelease = -1;  // central data release, -1 until read
    std::string m_strServerName; // "Error" when the status table names no server
};

// The start-up checks of the central status table: schema and program-data versions, then
// the access flags 0, 1 and 4; always reads the server name and, with version 1.2.0.0, the
// data release. Shows its own message on failure.
bool RunCentralStatusChecks(db::Connection& central, MessageSink& sink, CentralStatus& status);

// The local database version must be at least 2.6.0.571; ends with CheckLocalDataRelease.
bool CheckLocalVersion(db::Connection& local, const CentralStatus& status, MessageSink& sink);

// With release checks on, the local nutrition data must not be older than the central data.
bool CheckLocalDataRelease(db::Connection& local, const CentralStatus& status, MessageSink& sink);

// False (after a message) when the central data were released anew since start-up.
bool CheckCentralDataRelease(db::Connection& central, const CentralStatus& status,
                             MessageSink& sink);

// Re-reads the access flags 0 and 1 during the run; false (after a message) when the central
// database was closed meanwhile and the main dialog must end.
bool CheckAccessFlagsDuringRun(db::Connection& central, MessageSink& sink);

// The local database version as stored (Langue_System row 263), empty when missing.
std::string ReadLocalVersionText(db::Connection& local);

// The local nutrition data release (Variables NUTRIDATARELEASE), -1 when missing or not an
// integer.
int ReadLocalDataRelease(db::Connection& local);

// The program's product and file versions, "major.minor.patch.tweak".
void GetFileVersions(std::string& product, std::string& file);

} // namespace ovl

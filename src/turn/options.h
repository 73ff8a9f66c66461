#pragma once
// The options dialog's data: program path, checker path and home region of
// the open slot, read from and written to zendral.cfg in the program path.
#include <QString>

#include "game/configfile.h"
#include "game/gamesession.h"

namespace options {

struct Values {
  QString programPath;  // line o+6
  QString checkerPath;  // line o+22
  QString homeX;        // line o+9
  QString homeY;        // line o+10
  QString password;     // the faction's password, kept beside zendral.cfg
};

// The file as read when the dialog opens, and the values shown from it.
struct Working {
  ConfigFile config;
  Values values;
};

// Reads zendral.cfg from the session's program path. Throws ConfigError.
Working open(const GameSession& session);

// Puts the values into the working lines and writes them to the file they
// were read from (the program path before this change). Afterwards the
// session uses the new program path and checker path; the home region
// takes effect at the next opening of the game. The home coordinates must
// be whole numbers and the program path must not be empty; otherwise
// ConfigError and nothing is written. A changed password goes to the
// slot's password file first.
void save(GameSession& session, Working& working, const Values& values);

}  // namespace options

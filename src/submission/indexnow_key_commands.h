#pragma once

#include "program/program.h"

namespace zentrova {

// The Profile page's buttons beside "IndexNow Key:". Each works on the boxes as shown.

// Puts a new key into the box; asks first when the box holds one. True when it did.
bool GenerateIndexNowKey(Program& program);
// Writes "<key>.txt" holding the key where the user chooses. True when written.
bool SaveIndexNowKeyFile(Program& program);
// Fetches the key file and tells the result in a message naming the address checked.
void CheckIndexNowKeyFileCommand(Program& program);

}  // namespace zentrova

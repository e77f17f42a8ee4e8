#pragma once

// A Windows GUI program gets no console of its own: started from one, it
// writes to its parent's, unless its output goes to a file or a pipe
// already. Elsewhere it does nothing.
void attachParentConsole();

#pragma once
// A program started with standard input, output or error closed would get that number
// for the next file it opens, such as the radio's port, and then print its messages into
// the radio's line. Each closed one is opened on /dev/null at the start instead.

namespace kw {

// Call first thing in main(), before anything is opened.
void keepStandardStreamsOpen();

}  // namespace kw

// A window that opens a help topic the planted folder lacks.
const char* const kTopic = "missing-topic.htm";
const char* const kHere = "index.htm";

#pragma once

#include <string>

// The least a lamp picture costs: open the file, read it, decode it with libjpeg-turbo
// into a plain buffer. No Qt. Returns the decoded size in bytes (so it is not optimised away).
std::size_t decodeJpegFloor(const std::string& path);

#pragma once

// A caption as plain text: every "&" (the access-key marker) deleted, for showing or speaking it.

#include <string>
#include <string_view>

std::string RemoveAmpersands(std::string_view ACaption);

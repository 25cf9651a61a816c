#pragma once

namespace terralore {

// Longest values the wizard's boxes take; a file's values are held to the same.
constexpr int kTitleLength = 25;
constexpr int kQuestionLength = 60;
constexpr int kOptionLength = 30;

} // namespace terralore

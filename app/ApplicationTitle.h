#pragma once

// The application's title: the main window's caption and what the task bar shows.
inline constexpr char ApplicationTitle[] = "Quillmere 32, 2.2";

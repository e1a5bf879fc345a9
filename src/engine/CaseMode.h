#pragma once

// The case rule of a run; the value is the index of the selected case button.
enum class CaseMode {
    Lower = 0,     // "Kisbetű"
    Upper = 1,     // "Nagybetű"
    Unchanged = 2, // "Változatlan"
};

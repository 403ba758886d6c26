import QtQuick

// A capsule: a rectangle whose short sides are half circles; border inside the edge.
//   Capsule { width: 60; height: 20; color: Theme.withOpacity(Theme.accent, 0.12) }
Rectangle {
    radius: Math.min(width, height) / 2
    antialiasing: true
}

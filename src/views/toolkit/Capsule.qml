import QtQuick

// A capsule: a rectangle whose short sides are half circles; border inside the edge.
//   Capsule { width: 60; height: 20; color: Theme.hex("3B82F6", 0.12) }
Rectangle {
    radius: Math.min(width, height) / 2
    antialiasing: true
}

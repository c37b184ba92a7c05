// Tests are added as the window grows.

# TINTOR's start-up: the main window from exec to its map and to its first paint.
window_case tintor --title TINTOR --floor floortext --limit 1.10 -- "$app/tintor"

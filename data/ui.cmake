# Help pages and pictures of the windows.

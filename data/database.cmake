# The submission database, the string table and the installation defaults.

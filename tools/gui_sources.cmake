# Subcommands that need the embedded browser (built only with ZENTROVA_GUI).

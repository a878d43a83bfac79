# Copies SRC to DST only when DST does not exist yet, so a user's own file is never replaced.
if(NOT EXISTS "${DST}")
    file(COPY_FILE "${SRC}" "${DST}")
endif()

# Runs at install time, when the prefix is known: the default config.ini goes to the configuration
# folder (/etc for the /usr prefix, as GNU and Debian place it, /etc/opt/... for /opt/..., else
# <prefix>/etc), a link named config.ini in the hosts' working folder leads to it, and the
# pkg-config file names the prefix. The install rule sets the HALVIK_* variables before this runs.

if(IS_ABSOLUTE "${HALVIK_SYSCONFDIR}")
  set(etc "${HALVIK_SYSCONFDIR}")
elseif(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(etc "/${HALVIK_SYSCONFDIR}")
elseif(CMAKE_INSTALL_PREFIX MATCHES "^/opt/")
  set(etc "/${HALVIK_SYSCONFDIR}${CMAKE_INSTALL_PREFIX}")
else()
  set(etc "${CMAKE_INSTALL_PREFIX}/${HALVIK_SYSCONFDIR}")
endif()
set(config_folder "${etc}/halvik-diagnostics")

# A config.ini already there holds this machine's settings; a packaging install (DESTDIR) always
# starts from an empty tree.
if(EXISTS "$ENV{DESTDIR}${config_folder}/config.ini" AND "$ENV{DESTDIR}" STREQUAL "")
  message(STATUS "Keeping: ${config_folder}/config.ini")
else()
  file(INSTALL "${HALVIK_CONFIG_SOURCE}" DESTINATION "${config_folder}"
       PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endif()

# Relative while the configuration folder lies under the prefix, so the tree can move as a whole.
set(working_folder "${CMAKE_INSTALL_PREFIX}/${HALVIK_PKGLIBDIR}")
string(FIND "${config_folder}/" "${CMAKE_INSTALL_PREFIX}/" under_prefix)
if(under_prefix EQUAL 0)
  file(RELATIVE_PATH link_target "${working_folder}" "${config_folder}/config.ini")
else()
  set(link_target "${config_folder}/config.ini")
endif()
set(link "$ENV{DESTDIR}${working_folder}/config.ini")
message(STATUS "Installing: ${link} -> ${link_target}")
file(REMOVE "${link}")
file(CREATE_LINK "${link_target}" "${link}" SYMBOLIC)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${working_folder}/config.ini")

# Written under a name of its own, so that two installs from one build folder do not share it.
string(RANDOM LENGTH 12 scratch_name)
set(scratch_pc "${HALVIK_SCRATCH_DIR}/halvik-diagnostics-${scratch_name}.pc")
set(prefix "${CMAKE_INSTALL_PREFIX}")
configure_file("${HALVIK_PC_TEMPLATE}" "${scratch_pc}" @ONLY)
file(INSTALL "${scratch_pc}" DESTINATION "${CMAKE_INSTALL_PREFIX}/${HALVIK_PKGCONFIGDIR}"
     RENAME halvik-diagnostics.pc PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(REMOVE "${scratch_pc}")
